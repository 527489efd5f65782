#pragma once
// The widget's one place of decision. What happened comes in (the start, a picture dropped or
// chosen, the options closed, the folder's photo, a new day, a dialog opened or closed, the
// windows closed, 終了); what to do goes out through WidgetActions (save, load, place, show,
// follow or leave the folder, tell). "What happens on 終了" is OnQuit below; what opens over
// the widget, and the boxes it tells, are its ModalTeller's.
#include <functional>
#include <optional>
#include <string>

#include "common/core/CalendarDate.h"
#include "common/core/SettingRecord.h"
#include "widget/core/DayRollover.h"
#include "widget/core/ModalTeller.h"
#include "widget/core/SettingSaves.h"
#include "widget/core/WidgetActions.h"

class WidgetController {
public:
    using Clock = std::function<CalendarDate()>;
    WidgetController(SettingRecord& record, WidgetActions& actions, Clock today)
        : m_record(record), m_actions(actions), m_today(std::move(today)), m_saves(actions), m_modals(actions) {}

    // Show mode: the photo goes on the screen (lockHeld: the start could write the lock); once
    // the windows stand, the run day is kept, the folder follows and the milestones are told.
    void OnStarted(bool lockHeld);
    void OnRunning();
    // A picture dropped on the photo, or chosen with "画像を開く" (empty: the dialog was
    // cancelled, and the unchanged picture is saved and loaded again in place).
    void OnPictureTaken(const std::string& path);
    void OnFolderDropped(const std::string& folder);
    // "画像を開く" or "オプション" opens its dialog: the photo leaves the top meanwhile.
    void OnDialogOpens() { m_actions.ShowWindows(true); }
    // "画像の選択" in the options dialog or the wizard: saved at once, even if the dialog is
    // cancelled then; the folder is left at once, so that a scan still running is dropped.
    void OnPictureChosenInOptions(const std::string& path);
    // The options dialog closed: with the edited record when confirmed.
    void OnOptionsClosed(const std::optional<SettingRecord>& applied);
    // The folder's photo is on the screen; changed: the record names another photo now.
    void OnFolderPhoto(bool changed);
    // The date may have changed (midnight, resume, a new system time, an unlock).
    void OnDayMayHaveChanged();
    // Either window was closed, or the session ends (no message box may show then).
    void OnWindowsUnloaded(bool sessionEnds);
    // "終了": saved with the window's frame and place, unlocked, ended without closing the windows.
    void OnQuit();
    // The edit mode's wizard is done, or the delete mode emptied the setting (or could not).
    void OnEditDone();
    void OnDeleteDone(bool cleared);

    // A dialog, a menu or a message box opens or closes (Opened, Closed): the folder waits for
    // it. Ended: the windows were unloaded.
    ModalTeller& Modals() { return m_modals; }

private:
    // The one reload: the record saved (when asked), its picture loaded, placed, shown, and
    // the folder followed as the record says now.
    void Reload(std::optional<UnsavedChange> save);

    SettingRecord& m_record;
    WidgetActions& m_actions;
    Clock m_today;
    SettingSaves m_saves;
    ModalTeller m_modals;
    DayWatch m_dayWatch;
};
