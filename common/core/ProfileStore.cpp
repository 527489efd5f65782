#include "common/core/ProfileStore.h"

namespace {

// Long enough for any queue of writers at log-off, short enough not to hang a program whose
// folder is locked by something else.
constexpr std::chrono::milliseconds kWriteLockTimeout{30000};
constexpr std::chrono::milliseconds kReadLockTimeout{10000};

}  // namespace

ProfileFileContent ReadProfileFile(const std::string& path) {
    const std::unique_ptr<ProfileLock> lock = LockProfileFile(path, ProfileLockMode::Shared, kReadLockTimeout);
    return ReadWholeProfileFile(path);
}

bool UpdateProfileFile(const std::string& path, const std::function<std::string(const std::string&)>& edit) {
    const std::unique_ptr<ProfileLock> lock = LockProfileFile(path, ProfileLockMode::Exclusive, kWriteLockTimeout);
    if (!lock)
        return false;
    const ProfileFileContent current = ReadWholeProfileFile(path);
    // A file that is there but unreadable must not be replaced by one built from nothing.
    if (current.status == ProfileReadStatus::Failed)
        return false;
    const std::string bytes = edit(current.bytes);
    // Nothing changed: the file is left alone (and a missing file stays missing).
    if (bytes == current.bytes)
        return true;
    return ReplaceProfileFile(path, bytes);
}
