#pragma once
// Moving the setting record between memory and its profile section. Every operation selects
// the per-user profile file and the setting's section first.
#include <string>

#include "SettingRecord.h"

struct SettingLoadResult {
    enum class Outcome { Loaded, Absent, Unreadable } outcome = Outcome::Absent;
    // For Unreadable: the key and the value that could not be read.
    std::string key;
    std::string value;
};

class SettingStore {
public:
    SettingStore(std::string profileFile, std::string section);

    // Absent (record unchanged) when "PimmoName" is empty or missing; Unreadable (record
    // unchanged) when a hand-edited number or birthday cannot be read.
    SettingLoadResult Load(SettingRecord& record) const;
    void Save(const SettingRecord& record) const;
    void Clear() const;

    bool IsStartLocked() const;
    void SetStartLock() const;
    void ReleaseStartLock() const;

    const std::string& ProfileFile() const { return m_profileFile; }
    const std::string& Section() const { return m_section; }

private:
    void Select() const;

    std::string m_profileFile;
    std::string m_section;
};
