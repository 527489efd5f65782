#include <windows.h>

#include <algorithm>

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "common/core/ProfileFileSystem.h"

namespace {

class WinProfileLock final : public ProfileLock {
public:
    explicit WinProfileLock(HANDLE file) : m_file(file) {}
    ~WinProfileLock() override {
        OVERLAPPED at{};
        UnlockFileEx(m_file.Get(), 0, 1, 0, &at);
    }

private:
    UniqueFile m_file;
};

// How long a lock file that cannot be opened is waited for before a read or write gives up.
constexpr ULONGLONG kLockDeniedPatienceMs = 1000;

// Errors that pass when another process lets go of the file (a reader, a virus scanner).
bool IsPassing(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
}

// Retries action while it fails with a passing error, up to timeout.
template <typename Action>
bool Retry(Action action, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    DWORD pause = 1;
    for (;;) {
        if (action())
            return true;
        if (!IsPassing(GetLastError()) || GetTickCount64() >= deadline)
            return false;
        Sleep(pause);
        pause = pause < 16 ? pause * 2 : 16;
    }
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

}  // namespace

std::unique_ptr<ProfileLock> LockProfileFile(const std::string& path,
                                             ProfileLockMode mode,
                                             std::chrono::milliseconds timeout) {
    const std::wstring lockPath = Widen(path + ".lock");
    HANDLE raw = INVALID_HANDLE_VALUE;
    // The lock file is never deleted, so a refusal to open it rarely passes: a read-only copy
    // is opened for reading (enough to lock it), and anything else in its place (a folder)
    // gives up soon instead of stalling every read and write.
    const ULONGLONG deniedSince = GetTickCount64();
    Retry(
        [&] {
            raw = CreateFileW(lockPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_HIDDEN, nullptr);
            if (raw == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED)
                raw =
                    CreateFileW(lockPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
            if (raw == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED &&
                GetTickCount64() - deniedSince > kLockDeniedPatienceMs)
                SetLastError(ERROR_CANNOT_MAKE);
            return raw != INVALID_HANDLE_VALUE;
        },
        static_cast<DWORD>(timeout.count()));
    if (raw == INVALID_HANDLE_VALUE)
        return nullptr;
    UniqueFile file(raw);
    // Polled rather than waited on: a blocking LockFileEx has no time-out.
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (mode == ProfileLockMode::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    const bool locked = Retry(
        [&] {
            OVERLAPPED at{};
            return LockFileEx(file.Get(), flags, 0, 1, 0, &at) != FALSE;
        },
        static_cast<DWORD>(timeout.count()));
    if (!locked)
        return nullptr;
    return std::make_unique<WinProfileLock>(file.Release());
}

ProfileFileContent ReadWholeProfileFile(const std::string& path) {
    const std::wstring widePath = Widen(path);
    HANDLE raw = INVALID_HANDLE_VALUE;
    Retry(
        [&] {
            raw = CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            return raw != INVALID_HANDLE_VALUE;
        },
        2000);
    if (raw == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? ProfileReadStatus::Missing : ProfileReadStatus::Failed, {}};
    }
    UniqueFile file(raw);
    ProfileFileContent content{ProfileReadStatus::Read, {}};
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr))
            return {ProfileReadStatus::Failed, {}};
        if (got == 0)
            break;
        content.bytes.append(buffer, got);
    }
    return content;
}

bool ReplaceProfileFile(const std::string& path, const std::string& bytes) {
    // One temporary name is enough: only the holder of the exclusive lock writes it.
    const std::wstring target = Widen(path);
    const std::wstring temporary = Widen(path + ".tmp");
    // A read-only profile stays as it is, as with the platform's own functions.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    bool written = false;
    {
        UniqueFile file(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return false;
        written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    }
    // Deleted only once closed: the file was opened without delete sharing, so a delete while
    // it is open fails and would leave it behind (a full disk did).
    if (!written) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    const bool moved = Retry(
        [&] {
            return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
                   FALSE;
        },
        5000);
    if (!moved)
        DeleteFileW(temporary.c_str());
    return moved;
}
