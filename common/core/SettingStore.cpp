#include "common/core/SettingStore.h"

#include <span>
#include <utility>

#include "common/core/CalendarDate.h"
#include "common/core/ProfileAccess.h"
#include "common/core/ProfileLine.h"
#include "common/core/SettingKeys.h"

namespace {

bool HasAnyKey(const ProfileSectionValues& values, std::span<const SettingKey> keys) {
    for (const auto& [name, value] : values)
        for (const SettingKey& key : keys)
            if (SameProfileName(name, key.name))
                return true;
    return false;
}

unsigned OptionalKeysIn(const ProfileSectionValues& values) {
    unsigned stored = 0;
    for (size_t index = 0; index < kOptionalKeys.size(); ++index)
        if (HasAnyKey(values, std::span<const SettingKey>(&kOptionalKeys[index], 1)))
            stored |= 1u << index;
    return stored;
}

}  // namespace

bool IsStartLockSet(const std::string& lockValue) {
    return !lockValue.empty();
}

bool IsWidgetRunningLock(const std::string& lockValue) {
    return lockValue == kLockedValue;
}

SettingStore::SettingStore(std::string profileFile, std::string section)
    : m_profileFile(std::move(profileFile)), m_section(std::move(section)) {}

SettingLoadResult SettingStore::Load(SettingRecord& record) const {
    return LoadFrom(ReadProfileSectionValues(m_profileFile, m_section), record);
}

SettingLoadResult SettingStore::LoadFrom(const ProfileSectionValues& values, SettingRecord& record) const {
    if (ProfileSectionValue(values, SettingKeyName::kPimmoName, "").empty())
        return {};
    SettingRecord loaded = NewSettingRecord(Today());
    loaded.FolderKeysStored = HasAnyKey(values, kFolderKeys);
    loaded.OptionalKeysStored = OptionalKeysIn(values);
    for (std::span<const SettingKey> keys :
         {std::span<const SettingKey>(kSettingKeys), std::span<const SettingKey>(kFolderKeys),
          std::span<const SettingKey>(kRunKeys), std::span<const SettingKey>(kOptionalKeys)}) {
        for (const SettingKey& key : keys) {
            const std::string text = ProfileSectionValue(values, key.name, "");
            if (!key.read(loaded, text))
                return {SettingLoadResult::Outcome::Unreadable, key.name, text};
        }
    }
    record = std::move(loaded);
    return {SettingLoadResult::Outcome::Loaded, {}, {}};
}

bool SettingStore::Save(const SettingRecord& record) const {
    ProfileSectionValues values;
    for (const SettingKey& key : kSettingKeys)
        values.emplace_back(key.name, key.write(record));
    if (WritesFolderKeys(record))
        for (const SettingKey& key : kFolderKeys)
            values.emplace_back(key.name, key.write(record));
    for (size_t index = 0; index < kOptionalKeys.size(); ++index)
        if (WritesOptionalKey(record, index))
            values.emplace_back(kOptionalKeys[index].name, kOptionalKeys[index].write(record));
    return WriteSection(values);
}

bool SettingStore::SaveLastRunDay(const SettingRecord& record) const {
    return WriteSection({{SettingKeyName::kLastRunDay, record.LastRunDay}});
}

// The folder keys and the last day run are emptied only where they are, so that a setting
// created anew in the section shows no folder of the old one and has missed nothing.
bool SettingStore::Clear() const {
    return UpdateProfileSection(
               m_profileFile, m_section,
               [](const ProfileSectionValues& before) {
                   ProfileSectionValues values;
                   for (const SettingKey& key : kSettingKeys)
                       values.emplace_back(key.name, "");
                   for (std::span<const SettingKey> keys :
                        {std::span<const SettingKey>(kFolderKeys), std::span<const SettingKey>(kRunKeys),
                         std::span<const SettingKey>(kOptionalKeys)})
                       if (HasAnyKey(before, keys))
                           for (const SettingKey& key : keys)
                               values.emplace_back(key.name, "");
                   return values;
               })
        .written;
}

bool SettingStore::IsStartLocked() const {
    return IsStartLockSet(ReadProfileEntry(m_profileFile, m_section, kLockKey, ""));
}

bool SettingStore::ReleaseStartLock() const {
    return WriteSection({{kLockKey, ""}});
}

StartLockResult SettingStore::TakeStartLock() const {
    bool alreadyLocked = false;
    ProfileSectionUpdate update =
        UpdateProfileSection(m_profileFile, m_section, [&](const ProfileSectionValues& before) {
            alreadyLocked = IsStartLockSet(ProfileSectionValue(before, kLockKey, ""));
            return alreadyLocked ? ProfileSectionValues{} : ProfileSectionValues{{kLockKey, kLockedValue}};
        });
    // Without the transaction (the file could not be locked) the plain read decides.
    if (!update.written)
        alreadyLocked = IsStartLockSet(ProfileSectionValue(update.before, kLockKey, ""));
    return {alreadyLocked, update.written && !alreadyLocked, std::move(update.before)};
}

bool SettingStore::WriteSection(const ProfileSectionValues& values) const {
    return WriteProfileSectionValues(m_profileFile, m_section, values);
}
