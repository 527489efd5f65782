#pragma once
// The file operations behind the profile store: a cross-process lock, whole-file reads and
// atomic replacement. Paths are UTF-8.
#include <chrono>
#include <memory>
#include <string>

// A lock on the profile file, held until destroyed. It lives on a companion file
// (<profile>.lock), because the profile file itself is replaced, not rewritten.
class ProfileLock {
public:
    virtual ~ProfileLock() = default;
};

enum class ProfileLockMode { Shared, Exclusive };

// The lock, or nullptr when it cannot be had within timeout (or the lock file cannot be made).
std::unique_ptr<ProfileLock> LockProfileFile(const std::string& path,
                                             ProfileLockMode mode,
                                             std::chrono::milliseconds timeout);

enum class ProfileReadStatus { Read, Missing, Failed };

struct ProfileFileContent {
    ProfileReadStatus status = ProfileReadStatus::Missing;
    std::string bytes;
};

// The whole file. A file that exists but cannot be read is Failed, never Missing.
ProfileFileContent ReadWholeProfileFile(const std::string& path);

// Writes bytes to a temporary file in the same folder, flushes it to the disk and renames it
// over path in one step, so that every reader sees the old or the new file, never a part.
bool ReplaceProfileFile(const std::string& path, const std::string& bytes);
