#pragma once
// The one setting a widget process serves, from its start to its end: the record in memory,
// the store of its section, its start lock and its scaled-picture cache. No window in sight:
// the application object asks, the session reads and writes the profile file.
#include <cstdint>
#include <optional>
#include <string>

#include "common/core/SettingRecord.h"
#include "common/core/SettingStore.h"

class PimmoSession {
public:
    PimmoSession(const std::string& profileFile, const std::string& profileFolder, int16_t settingNumber);

    // Tests and takes the start lock in one transaction; false when another widget (or a lock
    // left behind) holds it, and then nothing was written. The section read with it serves the
    // first Load.
    bool TakeStartLock();
    // Empties the lock when this session took it (once); false when that could not be written.
    bool ReleaseStartLock();
    // The lock this session took is still held (the start could write it, the end not yet).
    bool HoldsStartLock() const { return m_lockHeld; }

    // Fills the record from the section: Absent (record unchanged) for a setting without a name,
    // Unreadable for a hand-edited value that cannot be read.
    SettingLoadResult Load();
    // The record of a setting created anew.
    void New(const CalendarDate& today);
    // Writes the record; false, with the file unchanged, when it could not be written. Once the
    // folder keys are in the section they are always written, so a folder left stays left.
    bool Save();
    // Empties the setting's keys; false when that could not be written.
    bool Clear() const;

    SettingRecord& Record() { return m_record; }
    const SettingRecord& Record() const { return m_record; }
    const SettingStore& Store() const { return m_store; }
    int16_t SettingNumber() const { return m_settingNumber; }
    // The scaled picture of this setting, beside the profile file.
    const std::string& CachePath() const { return m_cachePath; }

private:
    SettingStore m_store;
    int16_t m_settingNumber;
    std::string m_cachePath;
    SettingRecord m_record;
    bool m_lockHeld = false;
    // The section as the start read it, under the lock it took; used once, by the first Load.
    std::optional<ProfileSectionValues> m_startValues;
};
