#include <windows.h>

#include <memory>

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "widget/core/PictureFolder.h"

namespace {

// A last-write time (UTC) on the local wall clock of that moment, as Exif dates are written.
LocalSeconds LocalLastWrite(const FILETIME& utc) {
    SYSTEMTIME system{}, local{};
    if (!FileTimeToSystemTime(&utc, &system) || !SystemTimeToTzSpecificLocalTime(nullptr, &system, &local))
        return 0;
    const CalendarDate date{local.wYear, local.wMonth, local.wDay};
    return DayNumber(date) * 86400 + local.wHour * 3600 + local.wMinute * 60 + local.wSecond;
}

class Scanner {
public:
    Scanner(const std::wstring& root, bool subfolders) : m_root(root), m_subfolders(subfolders) {}

    // Lists the folder below the root at `relative` ("" for the root itself).
    bool List(const std::wstring& relative, std::vector<PhotoEntry>& photos) {
        const std::wstring folder = relative.empty() ? m_root : m_root + L"\\" + relative;
        WIN32_FIND_DATAW found{};
        // The basic information leaves out the short 8.3 names; a large fetch asks for many at once.
        UniqueFind find(FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                         nullptr, FIND_FIRST_EX_LARGE_FETCH));
        if (!find)
            return GetLastError() == ERROR_FILE_NOT_FOUND;  // an empty drive's root has no "." either
        do {
            const std::wstring name = found.cFileName;
            const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                // A link to a folder may point back up the tree; it is not followed.
                const bool link = found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
                if (m_subfolders && !link && name != L"." && name != L"..")
                    List(path, photos);
            } else {
                Add(path, found, photos);
            }
        } while (FindNextFileW(find.Get(), &found));
        return true;
    }

private:
    void Add(const std::wstring& path, const WIN32_FIND_DATAW& found, std::vector<PhotoEntry>& photos) {
        std::string name = Narrow(path);
        if (!IsPictureName(name))
            return;
        // Without sharing writes the open fails while a program still writes the file (a copy
        // in progress): such a photo is left out until it is complete, never shown half.
        UniqueFile file(CreateFileW((m_root + L"\\" + path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (!file)
            return;
        DWORD read = 0;
        if (IsJpegName(name) && !ReadFile(file.Get(), m_head.get(), kPhotoHeadBytes, &read, nullptr))
            return;
        PhotoEntry entry = MakePhotoEntry(std::move(name), 0, m_head.get(), read);
        if (!entry.takenFromExif)
            entry.taken = LocalLastWrite(found.ftLastWriteTime);
        photos.push_back(std::move(entry));
    }

    std::wstring m_root;
    bool m_subfolders;
    std::unique_ptr<uint8_t[]> m_head = std::make_unique<uint8_t[]>(kPhotoHeadBytes);
};

}  // namespace

PictureFolderScan ScanPictureFolder(const std::string& folder, bool subfolders) {
    PictureFolderScan scan;
    std::wstring root = Widen(folder);
    while (!root.empty() && (root.back() == L'\\' || root.back() == L'/'))
        root.pop_back();
    scan.reachable = Scanner(root, subfolders).List(L"", scan.photos);
    return scan;
}

std::string PhotoPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        return folder + name;
    return folder + "\\" + name;
}
