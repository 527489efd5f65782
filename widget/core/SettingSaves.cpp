#include "widget/core/SettingSaves.h"

void SettingSaves::CaptureWindowPlace() {
    if (m_windowsPlaced)
        m_actions.CaptureWindowPlace();
}

std::optional<UnsavedChange> SettingSaves::Save(bool capture, UnsavedChange what, bool requested) {
    if (m_released || (!requested && !m_lockHeld))
        return std::nullopt;  // the end saved the last state; without the lock the manager's edit stands
    if (capture)
        CaptureWindowPlace();
    if (m_actions.SaveSetting()) {
        m_failureTold = false;
        return std::nullopt;
    }
    if (!requested && m_failureTold)
        return std::nullopt;
    m_failureTold = true;
    return what;
}

std::optional<UnsavedChange> SettingSaves::ReleaseStartLock(bool saved) {
    if (!m_actions.ReleaseStartLock() && saved)
        return UnsavedChange::StartLock;
    return std::nullopt;
}

std::optional<UnsavedChange> SettingSaves::SaveAndRelease(bool tellFailure) {
    if (m_released)
        return std::nullopt;
    CaptureWindowPlace();
    std::optional<UnsavedChange> tell;
    if (!tellFailure) {
        m_actions.SaveSetting();
        m_actions.ReleaseStartLock();
    } else {
        const bool saved = m_actions.SaveSetting();
        tell = saved ? ReleaseStartLock(true) : std::optional(UnsavedChange::WindowPlace);
        if (!saved)
            m_actions.ReleaseStartLock();
    }
    m_released = true;
    return tell;
}
