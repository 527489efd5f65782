#include "widget/core/WidgetController.h"

#include "widget/core/AgeMessages.h"
#include "widget/core/MissedMilestone.h"
#include "widget/core/PhotoFolderSetting.h"
#include "widget/core/PictureChoice.h"

std::string WidgetController::Caption() const {
    return AgeCaption(m_record.PimmoName, m_record.PimmoBirthDay, m_today());
}

// Not kept, the day is only older than it could be: a milestone may come twice, never lost.
std::string WidgetController::KeepRunDay() {
    const CalendarDate today = m_today();
    std::string missed = MissedMilestoneText(m_record.PimmoName, m_record.PimmoBirthDay, m_record.LastRunDay, today);
    m_record.LastRunDay = RunDayText(today);
    if (m_saves.LockHeld())
        m_actions.SaveLastRunDay();
    return missed;
}

void WidgetController::Reload(std::optional<UnsavedChange> save) {
    if (save)
        Tell(m_saves.Save(true, *save, true));
    m_actions.LoadPhoto();
    m_saves.SetWindowsPlaced(true);
    m_actions.PlaceWindows(Caption());
    m_actions.ShowWindows(false);
    m_actions.Folder(FolderStep::Follow);
}

void WidgetController::OnStarted(bool lockHeld) {
    m_saves.SetLockHeld(lockHeld);
    m_actions.LoadPhoto();
    m_saves.SetWindowsPlaced(true);
    m_actions.PlaceWindows(Caption());
    m_actions.ShowWindows(false);
    m_dayWatch = StartDayWatch(m_today());
}

// The cached photo is on the screen; the run day is kept only now (a profile write the first
// window need not wait for), then the folder's photo may follow.
void WidgetController::OnRunning() {
    const std::string missed = KeepRunDay();
    m_actions.Folder(FolderStep::Follow);
    Announce(AnniversaryMessageText(m_record.PimmoName, m_record.PimmoBirthDay, m_today()));
    Announce(missed);
}

void WidgetController::OnPictureTaken(const std::string& path) {
    TakePicture(m_record, path);
    Reload(UnsavedChange::Picture);
}

// Dropped on the photo: the folder's newest photo, from the next scan on.
void WidgetController::OnFolderDropped(const std::string& folder) {
    TakeFolder(m_record, folder);
    m_record.PictureOrder = static_cast<int16_t>(PictureOrder::Newest);
    Tell(m_saves.Save(true, UnsavedChange::Picture, true));
    m_actions.Folder(FolderStep::Follow);
}

void WidgetController::OnPictureChosenInOptions(const std::string& path) {
    TakePicture(m_record, path);
    Tell(m_saves.Save(true, UnsavedChange::Picture, true));
    if (!path.empty())
        m_actions.Folder(FolderStep::Follow);
}

// Confirmed, the setting is saved and the picture made again at its new size in the same place;
// cancelled, only the stacking order comes back.
void WidgetController::OnOptionsClosed(const std::optional<SettingRecord>& applied) {
    if (!applied) {
        m_actions.ShowWindows(false);
        return;
    }
    m_record = *applied;
    Reload(UnsavedChange::Options);
}

// A failed save's message box counts as modal: the folder's next photo waits for it.
void WidgetController::OnFolderPhoto(bool changed) {
    if (changed)
        Tell(m_saves.Save(true, UnsavedChange::Picture, false));
}

// The caption counts today, the folder's photo of the day follows, the setting keeps the new
// day, and the day's milestone is told, then one slept through, as at a start.
void WidgetController::OnDayMayHaveChanged() {
    const CalendarDate today = m_today();
    const DayChange change = CheckDay(m_dayWatch, m_record.PimmoName, m_record.PimmoBirthDay, today);
    const std::string missed = change.newRunDay ? KeepRunDay() : std::string();
    m_dayWatch = change.watch;
    if (change.captionChanges)
        m_actions.SetCaption(Caption());
    m_actions.Folder(FolderStep::NewDay);
    Announce(change.message);
    Announce(missed);
}

void WidgetController::OnModalOpened() {
    m_depth.Enter();
    m_actions.Folder(FolderStep::Pause);
}

// The windows were unloaded inside it: the widget ends now, without saving again.
void WidgetController::OnModalClosed() {
    if (m_depth.Leave()) {
        m_actions.EndSession();
        return;
    }
    m_actions.Folder(FolderStep::Resume);
}

// Inside a dialog of the widget the windows stay until the dialog has closed (the end of the
// message loop closes it) and the widget ends then (OnModalClosed).
void WidgetController::OnWindowsUnloaded(bool sessionEnds) {
    const std::optional<UnsavedChange> tell = m_saves.SaveAndRelease(!sessionEnds);
    if (!sessionEnds)
        Tell(tell);
    const bool windowsGo = m_depth.Unload();
    m_actions.EndSession();
    if (!windowsGo)
        return;
    m_saves.SetWindowsPlaced(false);
    m_actions.CloseWindows();
}

void WidgetController::OnQuit() {
    Tell(m_saves.SaveAndRelease(true));
    m_depth.Unload();
    m_actions.EndSession();
}

void WidgetController::OnEditDone() {
    const std::optional<UnsavedChange> failed = m_saves.Save(false, UnsavedChange::Options, true);
    Tell(failed);
    Tell(m_saves.ReleaseStartLock(!failed));
}

void WidgetController::OnDeleteDone(bool cleared) {
    if (!cleared)
        Tell(UnsavedChange::DeletedSetting);
    Tell(m_saves.ReleaseStartLock(cleared));
}

// After the windows were unloaded no message box comes up (the session may be ending).
void WidgetController::Tell(std::optional<UnsavedChange> what) {
    if (!what || m_depth.Unloaded())
        return;
    OnModalOpened();
    m_actions.TellNotSaved(*what);
    OnModalClosed();
}

void WidgetController::Announce(const std::string& text) {
    if (text.empty() || m_depth.Unloaded())
        return;
    OnModalOpened();
    m_actions.Announce(text);
    OnModalClosed();
}
