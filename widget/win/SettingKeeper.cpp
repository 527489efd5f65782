#include "widget/win/SettingKeeper.h"

#include "base/win/MessageBox.h"
#include "widget/core/PimmoMessages.h"

void SettingKeeper::CaptureWindowPlace() {
    if (!m_windowsPlaced)
        return;
    SettingRecord& setting = m_session.Record();
    setting.LastWindowBorder = m_pair.CurrentBorder();
    const WindowPlace place = m_pair.CurrentWindowPlace();
    setting.LastWindowLeft = place.left;
    setting.LastWindowTop = place.top;
}

bool SettingKeeper::Save(bool capture, UnsavedChange what, HWND owner) {
    if (m_released)
        return true;  // the unload saved the last state; a command that ends after it saves nothing
    if (capture)
        CaptureWindowPlace();
    if (m_session.Save())
        return true;
    TellNotSaved(owner, what);
    return false;
}

void SettingKeeper::ReleaseStartLock(HWND owner, bool saved) {
    // After a failed save the user has been told already: one message box is enough.
    if (!m_session.ReleaseStartLock() && saved)
        TellNotSaved(owner, UnsavedChange::StartLock);
}

void SettingKeeper::SaveAndRelease(HWND owner, bool tellFailure) {
    if (m_released)
        return;
    CaptureWindowPlace();
    if (!tellFailure) {
        m_session.Save();
        m_session.ReleaseStartLock();
    } else {
        ReleaseStartLock(owner, Save(false, UnsavedChange::WindowPlace, owner));
    }
    m_released = true;
}

void SettingKeeper::TellNotSaved(HWND owner, UnsavedChange what) const {
    ShowMessage(owner, NotSavedBox(m_session.Store().ProfileFile(), what));
}
