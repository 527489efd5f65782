#pragma once
// The widget's application object: one setting's session and its two photo windows, from the
// start procedure to the end of the process.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/core/ScopeExit.h"
#include "base/core/UserMessage.h"
#include "common/core/UnsavedChange.h"
#include "widget/core/DayRollover.h"
#include "widget/core/PimmoSession.h"
#include "widget/win/ContextMenu.h"
#include "widget/win/DesktopWatch.h"
#include "widget/win/OptionsDialogHost.h"
#include "widget/win/PhotoFolderSource.h"
#include "widget/win/PhotoWindowPair.h"
#include "widget/win/PictureDateTaken.h"

inline constexpr char kAppTitle[] = "Pimmo for Windows";

// How a widget process ends.
enum class ExitCode : UINT {
    Done = 0,               // every regular end, the refusal of a served setting too
    BadCommandLine = 1,     // the setting number could not be read; no file was touched
    SettingUnusable = 2,    // the setting or the windows could not be used; the lock is released
    UnexpectedFailure = 3,  // an unexpected failure inside a window; the lock is released
};

class PimmoModule final : private PhotoPairOwner,
                          private DesktopEvents,
                          private ContextMenuHost,
                          private OptionsDialogHost,
                          private PhotoFolderOwner {
public:
    explicit PimmoModule(HINSTANCE instance);

    // Parses the command line, guards the setting with its start lock and runs the chosen mode.
    // Returns the process exit code (show mode returns when its message loop ends).
    int Main(std::wstring_view commandLine);

private:
    // The record's operations on the setting's section of the per-user profile file.
    bool LoadSetting();
    void NewSetting();
    // Writes the record; with capture, first takes the current window's frame and position,
    // as long as a photo window has been placed (before that, and after the windows are gone,
    // their place is no place of the setting and the record's own is kept). A file that cannot
    // be written is told (owned by owner), naming what was not saved; false then.
    bool SaveSetting(bool capture, UnsavedChange what, HWND owner);
    // Takes the current window's frame and place into the record, once the windows are placed.
    void CaptureWindowPlace();
    // Lets go of the start lock; a failure is told when the save before it was not (one box).
    void ReleaseStartLock(HWND owner, bool saved);
    // Every regular end: saved with the window's place, the lock let go. A failure is told
    // unless the session ends, when no message box may be shown.
    void SaveAndRelease(HWND owner, bool tellFailure);
    void TellNotSaved(HWND owner, UnsavedChange what) const;

    // The picture of the record, cached or scaled, into both windows.
    void LoadPhoto();
    // The record's window place, frame and caption; then the window shown in its stacking order.
    void PlacePhotoWindow();
    void ShowPhotoWindow();
    // The child's name and today's day number since the birthday, for the windows' caption.
    std::string AgeCaption() const;
    // Announces today's birthday, month-birthday or round day count, if any.
    void AnniversaryMessage() const;
    HWND CurrentPhotoWindow() const { return m_pair.CurrentPhotoWindow(); }
    SettingRecord& Setting() { return m_session->Record(); }
    const SettingRecord& Setting() const { return m_session->Record(); }

    // The one way the widget gives up: releases the start lock, tells the user, ends.
    [[noreturn]] void Fail(const UserMessage& message, ExitCode code);
    // The immediate end: no window-closing handling runs.
    [[noreturn]] static void EndProgram(ExitCode code = ExitCode::Done);

    void OnPhotoMenu(int16_t button) override;
    void OnPhotoMenuKey(POINT at) override;
    void OnPictureDropped(const std::string& path) override;
    void OnFolderDropped(const std::string& folder) override;
    void OnPhotoUnload(bool sessionEnds) override;
    void OnPhotoDpiChanged() override;
    std::string PhotoTooltipText() override;
    void OnDayMayHaveChanged() override;
    void OnDisplayChanged() override;
    void OnDevicesChanged() override;
    int16_t MenuBorder() const override { return m_pair.CurrentBorder(); }
    void RunMenuCommand(MenuCommand command, HWND holder) override;
    void OnPictureChosen(HWND dialog, const std::string& picture) override;

    // The folder's photo is loaded, or the folder is empty: into the windows, saved.
    void OnFolderPhoto(const PhotoLoadResult& picture, bool reload, bool changed) override;
    PhotoLoadRequest FolderLoadRequest() override;
    bool ShowsPicture() const override { return m_pair.HasPicture(); }

    // Keeps today as the setting's last day run (PimmoMemories.cpp); returns the message of the
    // milestone missed since the day kept before, empty when none was.
    std::string KeepRunDay();

    // The options dialog as the wizard of a new or edited setting.
    void RunWizard();
    // The context menu's commands (PimmoCommands.cpp).
    void OpenPicture(HWND holder);
    [[noreturn]] void Quit(HWND holder);
    void ShowOptions();
    // Counts a dialog, a menu command or a message box for its scope; the photo folder waits
    // meanwhile (a dialog edits a copy of the record).
    ScopeExit<std::function<void()>> EnterModal();
    // Leaves a dialog or menu command; ends the widget when it was unloaded meanwhile.
    void EndModal();

    [[noreturn]] void RunEditMode();
    [[noreturn]] void RunDeleteMode();
    int RunShowMode();
    static int RunMessageLoop();

    HINSTANCE m_instance;
    std::optional<PimmoSession> m_session;
    PhotoWindowPair m_pair{*this};
    // The running widget follows the date and the monitors.
    DesktopWatch m_desktop{*this};
    DayWatch m_dayWatch;
    // The setting's photo folder, when it has one.
    std::optional<PhotoFolderSource> m_folder;
    // Whether the photo windows stand at the setting's place (set by PlacePhotoWindow).
    bool m_windowsPlaced = false;
    // How many modal dialogs or menus of the widget are open: the session may end inside one.
    int m_modalDepth = 0;
    // The windows were unloaded (closed, or the session ended): saved, unlocked, ending.
    bool m_unloaded = false;
    PictureDateTaken m_pictureDate;  // of the one file, for the tooltip's age at the photo
};
