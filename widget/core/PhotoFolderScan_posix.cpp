#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>

#include "widget/core/PictureFolder.h"

namespace {

namespace fs = std::filesystem;

LocalSeconds LocalLastWrite(const struct stat& info) {
    std::tm local{};
    if (!localtime_r(&info.st_mtime, &local))
        return 0;
    const CalendarDate date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    return DayNumber(date) * 86400 + local.tm_hour * 3600 + local.tm_min * 60 + std::min(local.tm_sec, 59);
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

void Add(const fs::path& root, const fs::path& file, uint8_t* head, std::vector<PhotoEntry>& photos) {
    std::string name = file.lexically_relative(root).string();
    if (!IsPictureName(name))
        return;
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info {};
    std::optional<size_t> read =
        fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? std::optional<size_t>(0) : std::nullopt;
    if (read && IsJpegName(name))
        read = ReadHead(fd, head, kPhotoHeadBytes);
    close(fd);
    if (!read)
        return;
    PhotoEntry entry = MakePhotoEntry(std::move(name), 0, head, *read);
    if (!entry.takenFromExif)
        entry.taken = LocalLastWrite(info);
    photos.push_back(std::move(entry));
}

}  // namespace

PictureFolderScan ScanPictureFolder(const std::string& folder, bool subfolders) {
    PictureFolderScan scan;
    const fs::path root(folder);
    std::error_code error;
    if (!fs::is_directory(root, error))
        return scan;
    scan.reachable = true;
    const auto head = std::make_unique<uint8_t[]>(kPhotoHeadBytes);
    // Links to folders are not followed (the default), so a link back up the tree ends nowhere.
    auto walk = [&](auto iterator) {
        for (auto it = iterator; !error && it != decltype(iterator)(); it.increment(error)) {
            std::error_code entryError;
            if (it->is_regular_file(entryError))
                Add(root, it->path(), head.get(), scan.photos);
        }
    };
    const auto options = fs::directory_options::skip_permission_denied;
    if (subfolders)
        walk(fs::recursive_directory_iterator(root, options, error));
    else
        walk(fs::directory_iterator(root, options, error));
    return scan;
}

std::string PhotoPath(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / name).string();
}
