#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>

#include "widget/core/PhotoFolderScan.h"
#include "widget/core/PictureTypes.h"

namespace {

namespace fs = std::filesystem;

LocalSeconds LocalLastWrite(const struct stat& info) {
    std::tm local{};
    if (!localtime_r(&info.st_mtime, &local))
        return 0;
    const CalendarDate date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    return DayNumber(date) * 86400 + int64_t{local.tm_hour} * 3600 + int64_t{local.tm_min} * 60 +
           std::min(local.tm_sec, 59);
}

// Reads up to size bytes; what a file that cannot be read gives is nullopt.
std::optional<size_t> ReadHead(int fd, uint8_t* head, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = read(fd, head + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return done;
}

void Add(const fs::path& root, const fs::path& file, const PhotoIndex& known, uint8_t* head, PhotoFolderScan& scan) {
    std::string name = file.lexically_relative(root).string();
    if (!IsPictureName(name))
        return;
    struct stat info {};
    if (stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return;
    const int64_t written = static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    const uint64_t size = static_cast<uint64_t>(info.st_size);
    if (const PhotoEntry* entry = FindUnchangedPhoto(known, name, size, written)) {
        scan.photos.push_back(*entry);
        return;
    }
    std::optional<size_t> read = 0;
    if (HasExifHead(name)) {
        const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
        read = fd < 0 ? std::nullopt : ReadHead(fd, head, kPhotoHeadBytes);
        if (fd >= 0)
            close(fd);
        ++scan.opened;
    }
    scan.photos.push_back(MakePhotoEntry(std::move(name), LocalLastWrite(info), head, read.value_or(0), size, written));
}

}  // namespace

PhotoFolderScan ScanPhotoFolder(const std::string& folder,
                                bool subfolders,
                                const PhotoIndex& known,
                                const ScanStopped& stopped) {
    PhotoFolderScan scan;
    const fs::path root(folder);
    std::error_code error;
    if (!fs::is_directory(root, error))
        return scan;
    const auto head = std::make_unique<uint8_t[]>(kPhotoHeadBytes);
    bool wasStopped = false;
    // Links to folders are not followed (the default), so a link back up the tree ends nowhere.
    auto walk = [&](auto iterator) {
        for (auto it = iterator; !error && it != decltype(iterator)(); it.increment(error)) {
            if (stopped && stopped()) {
                wasStopped = true;
                return;
            }
            std::error_code entryError;
            if (it->is_regular_file(entryError))
                Add(root, it->path(), known, head.get(), scan);
        }
    };
    const auto options = fs::directory_options::skip_permission_denied;
    if (subfolders)
        walk(fs::recursive_directory_iterator(root, options, error));
    else
        walk(fs::directory_iterator(root, options, error));
    scan.reach = wasStopped ? FolderReach::Stopped : error ? FolderReach::Unreachable : FolderReach::Complete;
    SortPhotoIndex(scan.photos);
    return scan;
}

std::optional<PhotoEntry> ReadPhotoEntry(const std::string& folder, const std::string& name) {
    PhotoFolderScan scan;
    const auto head = std::make_unique<uint8_t[]>(kPhotoHeadBytes);
    Add(fs::path(folder), fs::path(folder) / name, {}, head.get(), scan);
    return scan.photos.empty() ? std::nullopt : std::optional<PhotoEntry>(std::move(scan.photos.front()));
}

std::string PhotoPath(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}
