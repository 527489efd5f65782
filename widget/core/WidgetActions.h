#pragma once
// What the widget's window objects carry out when the controller answers: the record written,
// the photo loaded, placed and shown, the folder followed, a text told. They decide nothing.
#include <string>

#include "common/core/UnsavedChange.h"

// What the photo folder is asked to do.
enum class FolderStep {
    Follow,  // follow the record as it is now (one file: the folder is left, its scans dropped)
    Pause,   // a dialog, menu or message box opened: no photo is taken meanwhile
    Resume,  // it closed
    NewDay,  // the date changed or the computer woke: a daily photo, a retry
};

class WidgetActions {
public:
    // The current window's frame and place into the record.
    virtual void CaptureWindowPlace() = 0;
    // Writes the record; false when the profile file could not be written.
    virtual bool SaveSetting() = 0;
    // Writes LastRunDay alone (not told when it fails: a milestone may come twice, never lost).
    virtual void SaveLastRunDay() = 0;
    // Lets go of the start lock; false when that could not be written.
    virtual bool ReleaseStartLock() = 0;

    // The record's picture, cached or scaled, into both windows.
    virtual void LoadPhoto() = 0;
    // The record's frame and place, captioned.
    virtual void PlaceWindows(const std::string& caption) = 0;
    // The current window shown in the record's stacking order, or in the normal one while a
    // dialog of the widget covers the desktop.
    virtual void ShowWindows(bool normalStacking) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void CloseWindows() = 0;

    virtual void Folder(FolderStep step) = 0;

    // A message box over the photo: an anniversary, or what could not be saved.
    virtual void Announce(const std::string& text) = 0;
    virtual void TellNotSaved(UnsavedChange what) = 0;
    // Leaves the message loop: the widget ends once the call that told it returns.
    virtual void EndSession() = 0;

protected:
    ~WidgetActions() = default;
};
