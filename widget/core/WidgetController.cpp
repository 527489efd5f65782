#include "widget/core/WidgetController.h"

#include "widget/core/AgeMessages.h"
#include "widget/core/MissedMilestone.h"
#include "widget/core/PhotoFolderSetting.h"
#include "widget/core/PictureChoice.h"

namespace {

std::string Caption(const SettingRecord& record, const CalendarDate& today) {
    return AgeCaption(record.PimmoName, record.PimmoBirthDay, today);
}

// The run day moves on to today; what was missed since the last one is returned to be told. Not
// kept, the day is only older than it could be: a milestone may come twice, never lost.
std::string KeepRunDay(SettingRecord& record, const SettingSaves& saves, WidgetActions& actions, CalendarDate today) {
    std::string missed = MissedMilestoneText(record.PimmoName, record.PimmoBirthDay, record.LastRunDay, today);
    record.LastRunDay = RunDayText(today);
    if (saves.LockHeld())
        actions.SaveLastRunDay();
    return missed;
}

}  // namespace

void WidgetController::Reload(std::optional<UnsavedChange> save) {
    if (save)
        m_modals.Tell(m_saves.Save(true, *save, true));
    m_actions.LoadPhoto();
    m_saves.SetWindowsPlaced(true);
    m_actions.PlaceWindows(Caption(m_record, m_today()));
    m_actions.ShowWindows(false);
    m_actions.Folder(FolderStep::Follow);
}

void WidgetController::OnStarted(bool lockHeld) {
    m_saves.SetLockHeld(lockHeld);
    m_actions.LoadPhoto();
    m_saves.SetWindowsPlaced(true);
    m_actions.PlaceWindows(Caption(m_record, m_today()));
    m_actions.ShowWindows(false);
    m_dayWatch = StartDayWatch(m_today());
}

// The cached photo is on the screen; the run day is kept only now (a profile write the first
// window need not wait for), then the folder's photo may follow. A session that ended during
// the first paint has saved and let go: nothing more is written, followed or told.
void WidgetController::OnRunning() {
    if (m_modals.Ended())
        return;
    const std::string missed = KeepRunDay(m_record, m_saves, m_actions, m_today());
    m_actions.Folder(FolderStep::Follow);
    m_modals.Announce(AnniversaryMessageText(m_record.PimmoName, m_record.PimmoBirthDay, m_today()));
    m_modals.Announce(missed);
}

void WidgetController::OnPictureTaken(const std::string& path) {
    TakePicture(m_record, path);
    Reload(UnsavedChange::Picture);
}

// Dropped on the photo: the folder's newest photo, from the next scan on.
void WidgetController::OnFolderDropped(const std::string& folder) {
    TakeFolder(m_record, folder);
    m_record.PictureOrder = static_cast<int16_t>(PictureOrder::Newest);
    m_modals.Tell(m_saves.Save(true, UnsavedChange::Picture, true));
    m_actions.Folder(FolderStep::Follow);
}

void WidgetController::OnPictureChosenInOptions(const std::string& path) {
    TakePicture(m_record, path);
    m_modals.Tell(m_saves.Save(true, UnsavedChange::Picture, true));
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
        m_modals.Tell(m_saves.Save(true, UnsavedChange::Picture, false));
}

// The caption counts today, the folder's photo of the day follows, the setting keeps the new
// day, and the day's milestone is told, then one slept through, as at a start.
void WidgetController::OnDayMayHaveChanged() {
    const CalendarDate today = m_today();
    const DayChange change = CheckDay(m_dayWatch, m_record.PimmoName, m_record.PimmoBirthDay, today);
    const std::string missed = change.newRunDay ? KeepRunDay(m_record, m_saves, m_actions, m_today()) : std::string();
    m_dayWatch = change.watch;
    if (change.captionChanges)
        m_actions.SetCaption(Caption(m_record, today));
    m_actions.Folder(FolderStep::NewDay);
    m_modals.Announce(change.message);
    m_modals.Announce(missed);
}

// Inside a dialog of the widget the windows stay until the dialog has closed (the end of the
// message loop closes it) and the widget ends then (ModalTeller::Closed).
void WidgetController::OnWindowsUnloaded(bool sessionEnds) {
    const std::optional<UnsavedChange> tell = m_saves.SaveAndRelease(!sessionEnds);
    if (!sessionEnds)
        m_modals.Tell(tell);
    const bool windowsGo = m_modals.Unload();
    m_actions.EndSession();
    if (!windowsGo)
        return;
    m_saves.SetWindowsPlaced(false);
    m_actions.CloseWindows();
}

void WidgetController::OnQuit() {
    m_modals.Tell(m_saves.SaveAndRelease(true));
    m_modals.Unload();
    m_actions.EndSession();
}

void WidgetController::OnEditDone() {
    const std::optional<UnsavedChange> failed = m_saves.Save(false, UnsavedChange::Options, true);
    m_modals.Tell(failed);
    m_modals.Tell(m_saves.ReleaseStartLock(!failed));
}

void WidgetController::OnDeleteDone(bool cleared) {
    if (!cleared)
        m_modals.Tell(UnsavedChange::DeletedSetting);
    m_modals.Tell(m_saves.ReleaseStartLock(cleared));
}
