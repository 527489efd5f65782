#include "SettingStore.h"

#include <utility>

#include "IniFileRelatedLibrary.h"
#include "SettingKeys.h"

using namespace IniFileRelatedLibrary;

SettingStore::SettingStore(std::string profileFile, std::string section)
    : m_profileFile(std::move(profileFile)), m_section(std::move(section)) {}

void SettingStore::Select() const {
    SelectProfile(m_profileFile, m_section);
}

SettingLoadResult SettingStore::Load(SettingRecord& record) const {
    Select();
    return LoadFrom(ReadProfileSection(), record);
}

SettingLoadResult SettingStore::LoadFrom(const ProfileSectionValues& values, SettingRecord& record) const {
    if (ProfileSectionValue(values, "PimmoName", "").empty())
        return {};
    SettingRecord loaded = NewSettingRecord(Today());
    loaded.CurrentBorder = record.CurrentBorder;
    for (const SettingKey& key : kSettingKeys) {
        const std::string text = ProfileSectionValue(values, key.name, "");
        if (!key.read(loaded, text))
            return {SettingLoadResult::Outcome::Unreadable, key.name, text};
    }
    record = std::move(loaded);
    return {SettingLoadResult::Outcome::Loaded, {}, {}};
}

bool SettingStore::Save(const SettingRecord& record) const {
    ProfileSectionValues values;
    for (const SettingKey& key : kSettingKeys)
        values.emplace_back(key.name, key.write(record));
    Select();
    return WriteProfileValues(values) != 0;
}

bool SettingStore::Clear() const {
    ProfileSectionValues values;
    for (const SettingKey& key : kSettingKeys)
        values.emplace_back(key.name, "");
    Select();
    return WriteProfileValues(values) != 0;
}

bool SettingStore::IsStartLocked() const {
    Select();
    return !ReadProfileValue(kLockKey, "").empty();
}

void SettingStore::SetStartLock() const {
    Select();
    WriteProfileValue(kLockKey, kLockedValue);
}

void SettingStore::ReleaseStartLock() const {
    Select();
    WriteProfileValue(kLockKey, "");
}

StartLockResult SettingStore::TakeStartLock() const {
    Select();
    bool alreadyLocked = false;
    ProfileSectionUpdate update = UpdateProfileSection([&](const ProfileSectionValues& before) {
        alreadyLocked = !ProfileSectionValue(before, kLockKey, "").empty();
        return alreadyLocked ? ProfileSectionValues{} : ProfileSectionValues{{kLockKey, kLockedValue}};
    });
    // Without the transaction (the file could not be locked) the plain read decides.
    if (!update.written)
        alreadyLocked = !ProfileSectionValue(update.before, kLockKey, "").empty();
    return {alreadyLocked, update.written && !alreadyLocked, std::move(update.before)};
}
