#include "widget/win/PimmoModule.h"

#include "base/core/Unicode.h"
#include "base/win/CallbackGuard.h"
#include "base/win/HelpRelatedLibrary.h"
#include "base/win/MessageBox.h"
#include "common/core/ProgramLocation.h"
#include "common/core/SettingSections.h"
#include "widget/core/AgeMessages.h"
#include "widget/core/AgeTooltip.h"
#include "widget/core/CommandLine.h"
#include "widget/core/PhotoAge.h"
#include "widget/core/PictureChoice.h"
#include "widget/core/PimmoMessages.h"
#include "widget/win/ContextMenu.h"

namespace {

// How long the edit mode waits for the first scan of a folder chosen in the wizard; a folder that
// takes longer (a share that does not answer) gets its photo when the widget shows it.
constexpr DWORD kEditScanTimeoutMs = 10000;

}  // namespace

PimmoModule::PimmoModule(HINSTANCE instance) : m_instance(instance) {
    SetProgramTitle(kAppTitle);
}

// A hand-edited section that cannot be read ends the widget before it writes anything else.
bool PimmoModule::LoadSetting() {
    const SettingLoadResult result = m_session->Load();
    if (result.outcome == SettingLoadResult::Outcome::Unreadable)
        Fail(UnreadableSettingBox(m_session->Store(), result), ExitCode::SettingUnusable);
    return result.outcome == SettingLoadResult::Outcome::Loaded;
}

// A new setting: the defaults, then the wizard lets the user edit them. The bordered window
// waits at the screen origin.
void PimmoModule::NewSetting() {
    m_session->New(Today());
    RunWizard();
    Setting().IsStretchBmpCashed = 0;
}

void PimmoModule::CaptureWindowPlace() {
    if (!m_windowsPlaced)
        return;
    Setting().LastWindowBorder = m_pair.CurrentBorder();
    const WindowPlace place = m_pair.CurrentWindowPlace();
    Setting().LastWindowLeft = place.left;
    Setting().LastWindowTop = place.top;
}

bool PimmoModule::SaveSetting(bool capture, UnsavedChange what, HWND owner) {
    if (m_unloaded)
        return true;  // the unload saved the last state; a command that ends after it saves nothing
    if (capture)
        CaptureWindowPlace();
    if (m_session->Save())
        return true;
    TellNotSaved(owner, what);
    return false;
}

void PimmoModule::ReleaseStartLock(HWND owner, bool saved) {
    // After a failed save the user has been told already: one message box is enough.
    if (!m_session->ReleaseStartLock() && saved)
        TellNotSaved(owner, UnsavedChange::StartLock);
}

void PimmoModule::SaveAndRelease(HWND owner, bool tellFailure) {
    if (m_unloaded)
        return;
    CaptureWindowPlace();
    if (!tellFailure) {
        m_session->Save();
        m_session->ReleaseStartLock();
        return;
    }
    ReleaseStartLock(owner, SaveSetting(false, UnsavedChange::WindowPlace, owner));
}

void PimmoModule::TellNotSaved(HWND owner, UnsavedChange what) const {
    ShowMessage(owner, NotSavedBox(m_session->Store().ProfileFile(), what));
}

void PimmoModule::LoadPhoto() {
    const SettingRecord& setting = Setting();
    Setting().IsStretchBmpCashed =
        m_pair.LoadPhoto({setting.PictureFile, setting.IsStretched, setting.IsStretchBmpCashed, setting.PictureSize,
                          setting.StretchMode, m_session->CachePath()});
}

void PimmoModule::PlacePhotoWindow() {
    m_windowsPlaced = true;
    m_pair.PlacePhotoWindow(Setting().LastWindowBorder, Setting().LastWindowTop, Setting().LastWindowLeft,
                            AgeCaption());
}

void PimmoModule::ShowPhotoWindow() {
    m_pair.ShowPhotoWindow(m_pair.CurrentBorder(), Setting().WindowPosition);
}

std::string PimmoModule::AgeCaption() const {
    return ::AgeCaption(Setting().PimmoName, Setting().PimmoBirthDay, Today());
}

void PimmoModule::AnniversaryMessage() const {
    std::string text = AnniversaryMessageText(Setting().PimmoName, Setting().PimmoBirthDay, Today());
    if (!text.empty())
        ShowMessage(CurrentPhotoWindow(), AnniversaryBox(std::move(text)));
}

void PimmoModule::Fail(const UserMessage& message, ExitCode code) {
    if (m_session)
        m_session->ReleaseStartLock();
    ShowMessage(nullptr, message);
    EndProgram(code);
}

void PimmoModule::EndProgram(ExitCode code) {
    ExitProcess(static_cast<UINT>(code));
}

void PimmoModule::OnPictureDropped(const std::string& path) {
    TakePicture(Setting(), path);
    SaveSetting(true, UnsavedChange::Picture, CurrentPhotoWindow());
    LoadPhoto();
    PlacePhotoWindow();
    ShowPhotoWindow();
}

// Inside a dialog of the widget the windows stay until the dialog has closed (the quit message
// closes it) and the widget ends then, without saving again (PimmoCommands.cpp, EnterModal).
void PimmoModule::OnPhotoUnload(bool sessionEnds) {
    SaveAndRelease(CurrentPhotoWindow(), !sessionEnds);
    m_unloaded = true;
    PostQuitMessage(0);
    if (m_modalDepth > 0)
        return;
    m_windowsPlaced = false;
    m_pair.DestroyWindows();
}

// The cache was made for the old DPI: the photo is scaled anew and cached for the new one,
// where the window now stands.
void PimmoModule::OnPhotoDpiChanged() {
    LoadPhoto();
    m_pair.AlignOtherWindow(m_pair.CurrentBorder() == 0 ? 0 : 1);
}

std::string PimmoModule::PhotoTooltipText() {
    const std::string folder = m_folder->TooltipText();
    const std::string memory =
        PhotoMemoryLines(Setting(), m_folder->View(), m_pictureDate.Of(Setting().PictureFile), Today());
    return AgeTooltipText(Setting().PimmoName, Setting().PimmoBirthDay, Today()) +
           (folder.empty() ? "" : "\r\n" + folder) + (memory.empty() ? "" : "\r\n" + memory);
}

// A widget runs for days: its caption counts today, and a new day's anniversary is announced
// once, as at a start.
void PimmoModule::OnDayMayHaveChanged() {
    DayChange change = CheckDay(m_dayWatch, Setting().PimmoName, Setting().PimmoBirthDay, Today());
    if (change.watch.latestLookedFor != m_dayWatch.latestLookedFor)
        KeepRunDay();
    m_dayWatch = change.watch;
    if (change.captionChanges)
        m_pair.SetCaption(AgeCaption());
    m_folder->OnNewDay();
    if (!change.message.empty())
        ShowMessage(CurrentPhotoWindow(), AnniversaryBox(change.message));
}

ScopeExit<std::function<void()>> PimmoModule::EnterModal() {
    ++m_modalDepth;
    m_folder->Pause();
    return ScopeExit<std::function<void()>>([this] {
        --m_modalDepth;
        EndModal();
    });
}

// A failed save's message box counts as modal: the folder's next photo waits for it.
void PimmoModule::OnFolderPhoto(const PhotoLoadResult& picture, bool reload, bool changed) {
    const auto modal = EnterModal();
    if (picture.picture || reload) {
        if (picture.picture)
            m_pair.ShowLoadedPhoto(picture);
        else
            LoadPhoto();
        m_pair.AlignOtherWindow(m_pair.CurrentBorder() == 0 ? 0 : 1);
    }
    if (changed)
        SaveSetting(true, UnsavedChange::Picture, CurrentPhotoWindow());
}

PhotoLoadRequest PimmoModule::FolderLoadRequest() {
    const SettingRecord& setting = Setting();
    return {setting.PictureFile, setting.IsStretched, setting.IsStretchBmpCashed,
            setting.PictureSize, setting.StretchMode, m_session->CachePath(),
            m_pair.Dpi()};
}

void PimmoModule::OnDevicesChanged() {
    if (!m_unloaded)
        m_folder->OnDevicesChanged();
}

// Dropped on the photo: the folder's newest photo, from the next scan on.
void PimmoModule::OnFolderDropped(const std::string& folder) {
    TakeFolder(Setting(), folder);
    Setting().PictureOrder = static_cast<int16_t>(PictureOrder::Newest);
    SaveSetting(true, UnsavedChange::Picture, CurrentPhotoWindow());
    m_folder->Follow();
}

void PimmoModule::OnDisplayChanged() {
    m_pair.KeepOnTheScreen();
}

void PimmoModule::RunEditMode() {
    if (LoadSetting())
        RunWizard();
    else
        NewSetting();
    m_folder->ChooseNow(kEditScanTimeoutMs);
    ReleaseStartLock(nullptr, SaveSetting(false, UnsavedChange::Options, nullptr));
    EndProgram();
}

void PimmoModule::RunDeleteMode() {
    const bool cleared = m_session->Clear();
    if (!cleared)
        TellNotSaved(nullptr, UnsavedChange::DeletedSetting);
    ReleaseStartLock(nullptr, cleared);
    EndProgram();
}

int PimmoModule::RunShowMode() {
    if (!LoadSetting())
        NewSetting();
    const std::string missed = KeepRunDay();
    LoadPhoto();
    PlacePhotoWindow();
    ShowPhotoWindow();
    // What only a running widget needs comes after its photo is on the screen.
    m_pair.AddTooltips();
    m_dayWatch = StartDayWatch(Today());
    m_desktop.Create(m_instance);  // without it the widget still runs, only without the rollover
    m_folder->Follow();            // the cached photo is on the screen; the folder's may follow
    AnniversaryMessage();
    if (!missed.empty())
        ShowMessage(CurrentPhotoWindow(), AnniversaryBox(missed));
    return RunMessageLoop();
}

int PimmoModule::RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int PimmoModule::Main(std::wstring_view commandLine) {
    std::string arguments(ArgumentText(Narrow(commandLine)));
    if (IsHelpCommand(arguments)) {  // the Start menu's help: no setting, no profile, no lock
        HelpRelatedLibrary::ShowHelpTopic(m_instance, nullptr, "pimmo.hlp", 0);
        return static_cast<int>(ExitCode::Done);
    }
    std::optional<WidgetCommand> command = ParseWidgetCommand(arguments);
    if (!command) {
        ShowMessage(nullptr, BadCommandLineBox(arguments));
        return static_cast<int>(ExitCode::BadCommandLine);
    }
    m_session.emplace(WidgetProfileFile(), ProfileFolder(), command->settingNumber);
    m_folder.emplace(*m_session, static_cast<PhotoFolderOwner&>(*this));
    // One locked read-modify-write tests and takes the lock: two starts of one setting at the
    // same instant cannot both pass.
    if (!m_session->TakeStartLock()) {
        ShowMessage(nullptr, StartLockBox(command->switchText));
        return static_cast<int>(ExitCode::Done);
    }
    // From here on every end releases the lock, an unexpected one too.
    SetUnexpectedFailureHandler([this] { Fail(UnexpectedFailureBox(), ExitCode::UnexpectedFailure); },
                                static_cast<UINT>(ExitCode::UnexpectedFailure));
    m_folder->Create(m_instance);  // without it a folder setting shows its last photo
    if (!m_pair.LoadPhotoWindows(m_instance))
        Fail(WindowsFailedBox(), ExitCode::SettingUnusable);
    if (command->mode == WidgetMode::Edit)
        RunEditMode();
    if (command->mode == WidgetMode::Delete)
        RunDeleteMode();
    return RunShowMode();
}
