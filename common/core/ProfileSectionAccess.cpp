#include "common/core/ProfileSectionAccess.h"

#include "common/core/ProfileAccess.h"
#include "common/core/ProfileDocument.h"
#include "common/core/ProfileLine.h"
#include "common/core/ProfileStore.h"
#include "common/core/ProfileTransaction.h"
#include "common/core/ProfileValue.h"

namespace {

ProfileSectionValues ResolvedEntries(const ProfileDocument& document, std::string_view section, const TextCodec& ansi) {
    return ProfileSnapshot(document, ansi).Section(section);
}

bool AllWritable(std::string_view section, const ProfileSectionValues& values) {
    for (const auto& [key, value] : values) {
        if (!IsWritableProfileEntry(section, key, value))
            return false;
    }
    return true;
}

}  // namespace

ProfileSectionValues ReadProfileSectionValues(const std::string& path,
                                              std::string_view section,
                                              const TextCodec& ansi) {
    if (path.empty())
        return {};
    const ProfileFileContent content = ReadProfileFile(path);
    if (content.status != ProfileReadStatus::Read)
        return {};
    return ResolvedEntries(ProfileDocument(content.bytes, ansi), section, ansi);
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
    return UpdateProfileSection(
               path, section, [&](const ProfileSectionValues&) { return values; }, ansi)
        .written;
}

ProfileSectionUpdate UpdateProfileSection(const std::string& path,
                                          std::string_view section,
                                          const ProfileSectionDecision& decide,
                                          const TextCodec& ansi) {
    ProfileSectionUpdate update;
    if (path.empty())
        return update;
    bool readUnderLock = false;
    bool writable = true;
    const bool replaced = UpdateProfileFile(path, [&](const std::string& bytes) {
        ProfileDocument document(bytes, ansi);
        update.before = ResolvedEntries(document, section, ansi);
        readUnderLock = true;
        const ProfileSectionValues writes = decide(update.before);
        writable = AllWritable(section, writes);
        if (!writable || writes.empty())
            return bytes;
        // One document takes every write in turn, exactly as the file would between single
        // writes, so the bytes come out the same.
        for (const auto& [key, value] : writes)
            document.Set(section, key, value);
        return document.Bytes();
    });
    update.written = replaced && writable;
    if (!readUnderLock)
        update.before = ReadProfileSectionValues(path, section, ansi);
    return update;
}
