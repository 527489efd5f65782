#include "common/core/ProfileAccess.h"

#include "common/core/ProfileTransaction.h"
#include "common/core/ProgramLocation.h"

std::string ComposeProfileFilePath(const std::string& folder,
                                   const std::optional<std::string>& userName,
                                   const std::string& defaultName,
                                   const std::string& extension) {
    const std::string base = userName && !userName->empty() ? *userName : defaultName;
    return JoinPath(folder, base + "." + extension);
}

std::string ReadProfileEntry(const std::string& path,
                             std::string_view section,
                             std::string_view key,
                             std::string_view defaultValue,
                             const TextCodec& ansi) {
    std::string value;
    ReadProfile(
        path, [&](const ProfileSnapshot& profile) { value = profile.Value(section, key, defaultValue); }, ansi);
    return value;
}

bool WriteProfileEntry(const std::string& path,
                       std::string_view section,
                       std::string_view key,
                       std::string_view value,
                       const TextCodec& ansi) {
    // Checked before the lock is taken, so that a refused write leaves even a missing file
    // missing.
    if (path.empty() || !IsWritableProfileEntry(section, key, value))
        return false;
    const ProfileWrites write{{std::string(section), std::string(key), std::string(value)}};
    return UpdateProfile(
        path, [&](const ProfileSnapshot&) { return write; }, ansi);
}
