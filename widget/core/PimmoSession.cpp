#include "widget/core/PimmoSession.h"

#include <utility>

#include "common/core/SettingKeys.h"
#include "common/core/SettingSections.h"
#include "widget/core/SettingNames.h"

PimmoSession::PimmoSession(const std::string& profileFile, const std::string& profileFolder, int16_t settingNumber)
    : m_store(profileFile, SettingSectionFor(settingNumber)),
      m_settingNumber(settingNumber),
      m_cachePath(profileFolder + CacheNameFor(settingNumber)) {}

bool PimmoSession::TakeStartLock() {
    StartLockResult start = m_store.TakeStartLock();
    if (start.alreadyLocked)
        return false;
    // A file that cannot be written holds no lock; the widget still serves the setting, and
    // its first save tells the user.
    m_lockHeld = start.lockWritten;
    m_startValues = std::move(start.values);
    return true;
}

bool PimmoSession::ReleaseStartLock() {
    if (!m_lockHeld)
        return true;
    m_lockHeld = !m_store.ReleaseStartLock();
    return !m_lockHeld;
}

SettingLoadResult PimmoSession::Load() {
    const SettingLoadResult result =
        m_startValues ? m_store.LoadFrom(*m_startValues, m_record) : m_store.Load(m_record);
    m_startValues.reset();
    return result;
}

void PimmoSession::New(const CalendarDate& today) {
    m_record = NewSettingRecord(today);
}

bool PimmoSession::Save() {
    if (!m_store.Save(m_record))
        return false;
    m_record.FolderKeysStored = WritesFolderKeys(m_record);
    for (size_t index = 0; index < kOptionalKeys.size(); ++index)
        if (WritesOptionalKey(m_record, index))
            m_record.OptionalKeysStored |= 1u << index;
    return true;
}

bool PimmoSession::Clear() const {
    return m_store.Clear();
}
