#pragma once
// When the widget writes its setting, and which failure it tells. A save the user asked for (a
// picture, the options, the window's place at the end) is told whenever it fails. A save nobody
// asked for (the folder's new photo) is not made while the widget does not hold the start lock
// (the manager may have changed or deleted the setting meanwhile), and its failure is told once,
// then again only after a save has succeeded: a profile that cannot be written is one piece of
// news, not one per photo. After the end's save nothing is written.
#include <optional>

#include "common/core/UnsavedChange.h"
#include "widget/core/WidgetActions.h"

class SettingSaves {
public:
    explicit SettingSaves(WidgetActions& actions) : m_actions(actions) {}

    void SetLockHeld(bool held) { m_lockHeld = held; }
    // Whether the photo windows stand at the setting's place (placed, and not yet gone): only
    // then is their frame and place the setting's.
    void SetWindowsPlaced(bool placed) { m_windowsPlaced = placed; }

    // Writes the record (with capture, first the window's frame and place); what to tell, if any.
    std::optional<UnsavedChange> Save(bool capture, UnsavedChange what, bool requested);
    // Lets go of the start lock; a failure is told when the save before it was not (one box).
    std::optional<UnsavedChange> ReleaseStartLock(bool saved);
    // Every regular end: saved with the window's place, the lock let go; a failure told only
    // with tellFailure (no message box may show when the session ends). Nothing is saved after.
    std::optional<UnsavedChange> SaveAndRelease(bool tellFailure);
    bool Released() const { return m_released; }
    // Whether the start lock is held: an unrequested save may be made.
    bool LockHeld() const { return m_lockHeld && !m_released; }

private:
    void CaptureWindowPlace();

    WidgetActions& m_actions;
    bool m_lockHeld = true;
    bool m_windowsPlaced = false;
    bool m_released = false;
    bool m_failureTold = false;
};
