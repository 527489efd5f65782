#pragma once
// Moving a setting record between memory and its section of a profile file, and the setting's
// start lock. Each operation names its file and section and is one transaction on the file,
// so another process sees a section wholly before or wholly after it.
#include <string>

#include "common/core/ProfileSectionAccess.h"
#include "common/core/SettingRecord.h"

struct SettingLoadResult {
    enum class Outcome { Loaded, Absent, Unreadable } outcome = Outcome::Absent;
    // For Unreadable: the key and the value that could not be read.
    std::string key;
    std::string value;
};

struct StartLockResult {
    // The lock was already taken (any non-empty value): nothing was written.
    bool alreadyLocked = false;
    // "locked" reached the file (false when already locked or when the file cannot be written).
    bool lockWritten = false;
    // The section as read in the same transaction, before the lock was written: LoadFrom
    // fills the record from it without reading the file again.
    ProfileSectionValues values;
};

// Whether a start lock's value keeps house away: any text, not only the "locked" of a running
// widget (a widget that did not end normally leaves its lock behind).
bool IsStartLockSet(const std::string& lockValue);
// Whether the value is the "locked" a running widget writes.
bool IsWidgetRunningLock(const std::string& lockValue);

class SettingStore {
public:
    SettingStore(std::string profileFile, std::string section);

    // Absent (record unchanged) when "PimmoName" is empty or missing; Unreadable (record
    // unchanged) when a hand-edited number or birthday cannot be read. One read of the section.
    SettingLoadResult Load(SettingRecord& record) const;
    // The same from a section already read (TakeStartLock's values).
    SettingLoadResult LoadFrom(const ProfileSectionValues& values, SettingRecord& record) const;
    // The eleven keys in one batch; false, with the file unchanged, when it could not be written.
    bool Save(const SettingRecord& record) const;
    // LastRunDay alone, which Save leaves as it is: a widget keeps it at its start and its day
    // rollover (a dialog's copy of the record may hold an older day). False when not written.
    bool SaveLastRunDay(const SettingRecord& record) const;
    // The eleven keys emptied in one batch; "LockSetting" and the section stay.
    bool Clear() const;

    bool IsStartLocked() const;
    // Empties the lock (the key stays); false when the file could not be written.
    bool ReleaseStartLock() const;
    // The start of a widget in one locked read-modify-write: tests the lock and, when it is
    // free, writes "locked", so that two starts of one setting can never both pass the test.
    StartLockResult TakeStartLock() const;

    const std::string& ProfileFile() const { return m_profileFile; }
    const std::string& Section() const { return m_section; }

private:
    bool WriteSection(const ProfileSectionValues& values) const;

    std::string m_profileFile;
    std::string m_section;
};
