#pragma once
// The setting's saving: the record written with the photo window's frame and place, the start
// lock let go, and a profile file that cannot be written told to the user.
#include <windows.h>

#include "common/core/UnsavedChange.h"
#include "widget/core/PimmoSession.h"
#include "widget/win/PhotoWindowPair.h"

class SettingKeeper {
public:
    SettingKeeper(PimmoSession& session, const PhotoWindowPair& pair) : m_session(session), m_pair(pair) {}

    // Writes the record; with capture, first takes the current window's frame and position,
    // as long as a photo window has been placed (before that, and after the windows are gone,
    // their place is no place of the setting and the record's own is kept). A file that cannot
    // be written is told (owned by owner), naming what was not saved; false then.
    bool Save(bool capture, UnsavedChange what, HWND owner);
    // Lets go of the start lock; a failure is told when the save before it was not (one box).
    void ReleaseStartLock(HWND owner, bool saved);
    // Every regular end: saved with the window's place, the lock let go. A failure is told
    // unless the session ends, when no message box may be shown. After it nothing is saved:
    // the last state is kept, and a command that ends later saves nothing.
    void SaveAndRelease(HWND owner, bool tellFailure);
    void TellNotSaved(HWND owner, UnsavedChange what) const;
    // Whether the photo windows stand at the setting's place (placed, and not yet gone).
    void SetWindowsPlaced(bool placed) { m_windowsPlaced = placed; }

private:
    // Takes the current window's frame and place into the record, once the windows are placed.
    void CaptureWindowPlace();

    PimmoSession& m_session;
    const PhotoWindowPair& m_pair;
    bool m_windowsPlaced = false;
    bool m_released = false;
};
