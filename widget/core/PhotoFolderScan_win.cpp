#include <windows.h>

#include <memory>
#include <optional>

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "widget/core/PhotoFolderScan.h"
#include "widget/core/PictureTypes.h"

namespace {

// A last-write time (UTC) on the local wall clock of that moment, as Exif dates are written.
LocalSeconds LocalLastWrite(const FILETIME& utc) {
    SYSTEMTIME system{}, local{};
    if (!FileTimeToSystemTime(&utc, &system) || !SystemTimeToTzSpecificLocalTime(nullptr, &system, &local))
        return 0;
    const CalendarDate date{local.wYear, local.wMonth, local.wDay};
    return DayNumber(date) * 86400 + local.wHour * 3600 + local.wMinute * 60 + local.wSecond;
}

int64_t Ticks(const FILETIME& time) {
    return static_cast<int64_t>(static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime);
}

std::wstring Join(const std::wstring& folder, const std::wstring& name) {
    return !folder.empty() && folder.back() == L'\\' ? folder + name : folder + L"\\" + name;
}

// The path as the system reads it beyond MAX_PATH, when it is that long (rarely: no cost else).
std::wstring ForSystem(std::wstring path) {
    return path.size() < kLongPathFrom ? path : Widen(LongPathForSystem(Narrow(path)));
}

struct FileFacts {
    DWORD attributes = 0;
    DWORD reparseTag = 0;
    uint64_t size = 0;
    FILETIME written{};
};

// A photo's entry from what the listing told of it and, for a JPEG on the disk, its head.
std::optional<PhotoEntry> ReadEntry(const std::wstring& root,
                                    const std::string& name,
                                    const FileFacts& facts,
                                    uint8_t* head,
                                    size_t& opened) {
    DWORD read = 0;
    const bool placeholder = ClassifyScanEntry(name, facts.attributes, facts.reparseTag, false) == ScanEntry::ListPhoto;
    if (!placeholder && HasExifHead(name)) {
        // Shared for every access: a program that still writes, renames or deletes the photo
        // is never kept from it.
        UniqueFile file(CreateFileW(ForSystem(Join(root, Widen(name))).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (!file && GetLastError() == ERROR_SHARING_VIOLATION)
            return std::nullopt;  // still being written without sharing: the watch announces it once complete
        if (!file || !ReadFile(file.Get(), head, kPhotoHeadBytes, &read, nullptr))
            read = 0;
        ++opened;
    }
    return MakePhotoEntry(name, LocalLastWrite(facts.written), head, read, facts.size, Ticks(facts.written));
}

class Scanner {
public:
    Scanner(const std::wstring& root, bool subfolders, const PhotoIndex& known, const ScanStopped& stopped)
        : m_root(root), m_subfolders(subfolders), m_known(known), m_stopped(stopped) {}

    // Lists the folder below the root at `relative` ("" for the root itself).
    FolderReach List(const std::wstring& relative, PhotoFolderScan& scan) {
        const std::wstring folder = relative.empty() ? m_root : Join(m_root, relative);
        WIN32_FIND_DATAW found{};
        // The basic information leaves out the short 8.3 names; a large fetch asks for many at once.
        UniqueFind find(FindFirstFileExW(ForSystem(Join(folder, L"*")).c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
        if (!find)
            return Failed(relative, GetLastError(), scan);
        do {
            if (m_stopped && m_stopped())
                return FolderReach::Stopped;
            const std::wstring path = relative.empty() ? found.cFileName : relative + L"\\" + found.cFileName;
            const std::string leaf = Narrow(found.cFileName);
            const std::string name = relative.empty() ? leaf : Narrow(path);
            switch (ClassifyScanEntry(leaf, found.dwFileAttributes, found.dwReserved0, m_subfolders)) {
                case ScanEntry::EnterFolder:
                    if (const FolderReach reach = List(path, scan); reach != FolderReach::Complete)
                        return reach;
                    break;
                case ScanEntry::ReadPhoto:
                case ScanEntry::ListPhoto:
                    Add(name, found, scan);
                    break;
                case ScanEntry::Skip:
                    break;
            }
        } while (FindNextFileW(find.Get(), &found));
        const DWORD error = GetLastError();
        return error == ERROR_NO_MORE_FILES ? FolderReach::Complete : Failed(relative, error, scan);
    }

private:
    // A sub-folder that cannot be read is skipped (what it held stays known); a drive or share
    // that went away leaves the whole listing incomplete.
    static FolderReach Failed(const std::wstring& relative, DWORD error, PhotoFolderScan& scan) {
        switch (ClassifyListingError(error, !relative.empty())) {
            case ListingFailure::Empty:
                return FolderReach::Complete;
            case ListingFailure::SkipFolder:
                scan.skipped.push_back(Narrow(relative));
                return FolderReach::Complete;
            case ListingFailure::Unreachable:
                break;
        }
        return FolderReach::Unreachable;
    }

    void Add(const std::string& name, const WIN32_FIND_DATAW& found, PhotoFolderScan& scan) {
        const FileFacts facts{found.dwFileAttributes, found.dwReserved0,
                              static_cast<uint64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow,
                              found.ftLastWriteTime};
        if (const PhotoEntry* known = FindUnchangedPhoto(m_known, name, facts.size, Ticks(facts.written))) {
            scan.photos.push_back(*known);
            return;
        }
        if (std::optional<PhotoEntry> entry = ReadEntry(m_root, name, facts, m_head.get(), scan.opened))
            scan.photos.push_back(std::move(*entry));
    }

    std::wstring m_root;
    bool m_subfolders;
    const PhotoIndex& m_known;
    const ScanStopped& m_stopped;
    std::unique_ptr<uint8_t[]> m_head = std::make_unique<uint8_t[]>(kPhotoHeadBytes);
};

}  // namespace

PhotoFolderScan ScanPhotoFolder(const std::string& folder,
                                bool subfolders,
                                const PhotoIndex& known,
                                const ScanStopped& stopped) {
    PhotoFolderScan scan;
    const std::wstring root = Widen(FolderPathForSystem(folder));
    const DWORD attributes = GetFileAttributesW(ForSystem(root).c_str());
    if (root.empty() || attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return scan;
    scan.reach = Scanner(root, subfolders, known, stopped).List(L"", scan);
    SortPhotoIndex(scan.photos);
    KeepPhotosOfSkippedFolders(scan, known);
    return scan;
}

std::optional<PhotoEntry> ReadPhotoEntry(const std::string& folder, const std::string& name) {
    const std::wstring root = Widen(FolderPathForSystem(folder));
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!IsPictureName(name) ||
        !GetFileAttributesExW(ForSystem(Join(root, Widen(name))).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    const FileFacts facts{data.dwFileAttributes, 0, static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow,
                          data.ftLastWriteTime};
    const auto head = std::make_unique<uint8_t[]>(kPhotoHeadBytes);
    size_t opened = 0;
    return ReadEntry(root, name, facts, head.get(), opened);
}

std::string PhotoPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        return folder + name;
    return folder + "\\" + name;
}
