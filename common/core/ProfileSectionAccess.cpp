#include "common/core/ProfileSectionAccess.h"

#include "common/core/ProfileLine.h"
#include "common/core/ProfileValue.h"

namespace {

bool AllWritable(std::string_view section, const ProfileSectionValues& values) {
    for (const auto& [key, value] : values) {
        if (!IsWritableProfileEntry(section, key, value))
            return false;
    }
    return true;
}

ProfileWrites SectionWrites(std::string_view section, const ProfileSectionValues& values) {
    ProfileWrites writes;
    writes.reserve(values.size());
    for (const auto& [key, value] : values)
        writes.push_back({std::string(section), key, value});
    return writes;
}

}  // namespace

ProfileSectionValues ReadProfileSectionValues(const std::string& path,
                                              std::string_view section,
                                              const TextCodec& ansi) {
    ProfileSectionValues values;
    ReadProfile(
        path, [&](const ProfileSnapshot& profile) { values = profile.Section(section); }, ansi);
    return values;
}

std::string ProfileSectionValue(const ProfileSectionValues& values,
                                std::string_view key,
                                std::string_view defaultValue,
                                const TextCodec& ansi) {
    key = TrimBlanks(key);
    for (const auto& [name, value] : values) {
        if (SameProfileName(name, key))
            return value;
    }
    return ResolveProfileValue(std::nullopt, defaultValue, ansi);
}

bool WriteProfileSectionValues(const std::string& path,
                               std::string_view section,
                               const ProfileSectionValues& values,
                               const TextCodec& ansi) {
    // Checked before the lock is taken, so that a refused batch leaves even a missing file
    // missing.
    if (path.empty() || !AllWritable(section, values))
        return false;
    const ProfileWrites writes = SectionWrites(section, values);
    return UpdateProfile(
        path, [&](const ProfileSnapshot&) { return writes; }, ansi);
}

ProfileSectionUpdate UpdateProfileSection(const std::string& path,
                                          std::string_view section,
                                          const ProfileSectionDecision& decide,
                                          const TextCodec& ansi) {
    ProfileSectionUpdate update;
    if (path.empty())
        return update;
    bool readUnderLock = false;
    update.written = UpdateProfile(
        path,
        [&](const ProfileSnapshot& profile) {
            update.before = profile.Section(section);
            readUnderLock = true;
            return SectionWrites(section, decide(update.before));
        },
        ansi);
    if (!readUnderLock)
        update.before = ReadProfileSectionValues(path, section, ansi);
    return update;
}
