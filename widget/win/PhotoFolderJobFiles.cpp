#include "widget/win/PhotoFolderJobFiles.h"

#include <windows.h>

#include <atomic>

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "base/win/ComApartment.h"
#include "widget/win/WicPicture.h"

namespace {

// An index file larger than this is no index of ours.
constexpr size_t kLargestIndex = 256u * 1024 * 1024;
// A virus scanner or an indexer holds a new file for a moment: the rename waits this long.
constexpr int kPlaceTries = 5;
constexpr DWORD kPlaceWaitMs = 100;

bool Held(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
}

// Unique to the process and the call: an older job still writing never shares the name.
std::wstring TemporaryName(const std::wstring& target) {
    static std::atomic<uint32_t> counter{0};
    return target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) + L".new";
}

bool WriteFlushed(const std::wstring& path, const std::string& bytes) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && FlushFileBuffers(file.Get());
    return CloseWrittenFile(file) && ok;
}

bool MoveInPlace(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        if (attempt == kPlaceTries || !Held(GetLastError()))
            return false;
        Sleep(kPlaceWaitMs);
    }
}

}  // namespace

bool WriteFileInPlace(const std::string& path, const std::string& bytes) {
    if (path.empty())
        return false;
    const std::wstring target = Widen(path), temporary = TemporaryName(target);
    if (WriteFlushed(temporary, bytes) && MoveInPlace(temporary, target))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

std::string PhotoFolderJobFiles::ReadIndex(const std::string& path) {
    return ReadWholeFile(path, kLargestIndex);
}

bool PhotoFolderJobFiles::WriteIndex(const std::string& path, const std::string& bytes) {
    return WriteFileInPlace(path, bytes);  // an index not written costs the next start a rescan, nothing more
}

bool PhotoFolderJobFiles::AppendIndexLog(const std::string& path, const std::string& bytes) {
    UniqueFile file(CreateFileW(Widen(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    const bool ok = file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && FlushFileBuffers(file.Get());
    return CloseWrittenFile(file) && ok;
}

bool PhotoFolderJobFiles::LoadPhoto(const std::string& path) {
    PhotoLoadRequest load = m_load;
    load.picturePath = LongPathForSystem(path);
    load.isStretchBmpCashed = 0;
    m_picture = LoadPhotoPicture(load);
    return m_picture.picture != nullptr;
}

bool TakeJobPicture(const std::string& jobPath, const std::string& cachePath) {
    const bool taken = MoveInPlace(Widen(jobPath), Widen(cachePath));
    if (!taken)
        DropJobPicture(jobPath);
    return taken;
}

void DropJobPicture(const std::string& jobPath) {
    DeleteFileW(Widen(jobPath).c_str());
}

void LeaveJobThread() {
    ReleaseWicFactory();
    LeaveComApartment();
}
