#include "widget/win/PimmoModule.h"

#include "base/core/Unicode.h"
#include "base/win/CallbackGuard.h"
#include "base/win/HelpRelatedLibrary.h"
#include "base/win/MessageBox.h"
#include "common/core/ProgramLocation.h"
#include "common/core/SettingSections.h"
#include "widget/core/CommandLine.h"
#include "widget/core/PimmoMessages.h"

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
    m_session->Record() = m_parts->Menu().RunWizard();
    m_session->Record().IsStretchBmpCashed = 0;
}

void PimmoModule::Fail(const UserMessage& message, ExitCode code) {
    if (m_session)
        m_session->ReleaseStartLock();
    ShowMessage(nullptr, message);
    EndProgram(code);
}

void PimmoModule::OnDevicesChanged() {
    if (!m_parts->Controller().Modals().Ended())
        m_parts->Folder().OnDevicesChanged();
}

// The first photo window: the frame the setting shows, or the hidden owner of the wizard.
void PimmoModule::LoadWindows(WindowFrame first) {
    if (!m_parts->Pair().LoadPhotoWindows(m_instance, first))
        Fail(WindowsFailedBox(), ExitCode::SettingUnusable);
}

int PimmoModule::RunEditMode() {
    LoadWindows(WindowFrame::Borderless);
    m_parts->Folder().Create(m_instance);  // the wizard may choose a folder
    if (LoadSetting())
        m_session->Record() = m_parts->Menu().RunWizard();
    else
        NewSetting();
    m_parts->Folder().ChooseNow(kEditScanTimeoutMs);
    m_parts->Controller().OnEditDone();
    return static_cast<int>(ExitCode::Done);
}

// No window: a box the deletion tells has no photo to stand over.
int PimmoModule::RunDeleteMode() {
    m_parts->Controller().OnDeleteDone(m_session->Clear());
    return static_cast<int>(ExitCode::Done);
}

int PimmoModule::RunShowMode() {
    WidgetParts& parts = *m_parts;
    // Without the folder's source a folder setting shows its last photo; the wizard of a new
    // setting may choose a folder, a setting that stands needs it only once its photo shows.
    const bool isNew = !LoadSetting();
    LoadWindows(isNew ? WindowFrame::Borderless : FrameOf(m_session->Record().LastWindowBorder));
    if (isNew) {
        parts.Folder().Create(m_instance);
        NewSetting();
    }
    parts.Controller().OnStarted(m_session->HoldsStartLock());
    // What only a running widget needs comes once its photo is painted.
    return RunMessageLoop([this, &parts, isNew] {
        if (parts.Controller().Modals().Ended())
            return;  // the session ended while the photo was first painted
        if (!isNew)
            parts.Folder().Create(m_instance);
        m_desktop.Create(m_instance);  // without it the widget still runs, only without the rollover
        parts.Controller().OnRunning();
    });
}

// The photo's first paint goes before the work a start can leave until after its first window;
// anything else that is already waiting (a close, a drop) comes after that work, as it always did.
int PimmoModule::RunMessageLoop(const std::function<void()>& afterFirstPaint) {
    MSG message{};
    bool started = false;
    for (;;) {
        if (!started && (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) || message.message != WM_PAINT)) {
            started = true;
            afterFirstPaint();
            continue;
        }
        if (GetMessageW(&message, nullptr, 0, 0) <= 0)
            break;
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
    m_parts.emplace(m_instance, *m_session);
    // One locked read-modify-write tests and takes the lock: two starts of one setting at the
    // same instant cannot both pass.
    if (!m_session->TakeStartLock()) {
        ShowMessage(nullptr, StartLockBox(command->switchText));
        return static_cast<int>(ExitCode::Done);
    }
    // From here on every end releases the lock, an unexpected one too.
    SetUnexpectedFailureHandler([this] { Fail(UnexpectedFailureBox(), ExitCode::UnexpectedFailure); },
                                static_cast<UINT>(ExitCode::UnexpectedFailure));
    if (command->mode == WidgetMode::Edit)
        return RunEditMode();
    if (command->mode == WidgetMode::Delete)
        return RunDeleteMode();
    return RunShowMode();
}
