#include "PimmoModule.h"

#include "AgeMessages.h"
#include "AgeTooltip.h"
#include "CallbackGuard.h"
#include "CommandLine.h"
#include "ContextMenu.h"
#include "HelpRelatedLibrary.h"
#include "IniFileRelatedLibrary.h"
#include "MessageBox.h"
#include "PictureChoice.h"
#include "PimmoOptionDialog.h"
#include "ProgramLocation.h"
#include "SettingNames.h"
#include "Unicode.h"

namespace {

constexpr char kWindowsFailedMessage[] = "写真のウィンドウを作成できないため、Pimmoを終了します。";
constexpr char kUnexpectedFailureMessage[] = "予期しないエラーが発生したため、Pimmoを終了します。";

std::string UnreadableSettingMessage(const SettingStore& store, const SettingLoadResult& result) {
    return "設定ファイルの値を読み取れないため、Pimmoを終了します。\r\nファイル: " + store.ProfileFile() +
           "\r\nセクション: [" + store.Section() + "]\r\nキー: " + result.key + "\r\n値: " + result.value;
}

}  // namespace

PimmoModule::PimmoModule(HINSTANCE instance) : m_instance(instance) {
    SetProgramTitle(kAppTitle);
}

void PimmoModule::SelectSetting(int16_t settingNumber) {
    m_section = SettingSectionFor(settingNumber);
    m_cacheName = CacheNameFor(settingNumber);
    m_store.emplace(IniFileRelatedLibrary::ProfileFilePath(ProgramBaseName(), "ini"), m_section);
}

// A hand-edited section that cannot be read ends the widget before it writes anything else.
bool PimmoModule::LoadSetting() {
    SettingLoadResult result = m_startValues ? m_store->LoadFrom(*m_startValues, m_setting) : m_store->Load(m_setting);
    m_startValues.reset();
    if (result.outcome == SettingLoadResult::Outcome::Unreadable)
        Fail(UnreadableSettingMessage(*m_store, result), ExitCode::SettingUnusable);
    return result.outcome == SettingLoadResult::Outcome::Loaded;
}

// A new setting: the defaults, then the wizard lets the user edit them. The bordered window
// waits at the screen origin.
void PimmoModule::NewSetting() {
    m_setting = NewSettingRecord(Today());
    RunWizard();
    m_setting.IsStretchBmpCashed = 0;
}

void PimmoModule::SaveSetting(bool capture) {
    if (m_unloaded)
        return;  // the unload saved the last state; a command that ends after it saves nothing
    if (capture && m_windowsPlaced) {
        m_setting.LastWindowBorder = m_setting.CurrentBorder;
        WindowPlace place = m_pair.CurrentWindowPlace();
        m_setting.LastWindowLeft = place.left;
        m_setting.LastWindowTop = place.top;
    }
    m_store->Save(m_setting);
}

void PimmoModule::ClearSetting() {
    m_store->Clear();
}

void PimmoModule::ReleaseStartLock() {
    if (m_store)
        m_store->ReleaseStartLock();
}

void PimmoModule::LoadPhoto() {
    m_pair.LoadPhoto(m_setting.PictureFile, CacheFilePath());
}

void PimmoModule::PlacePhotoWindow() {
    m_windowsPlaced = true;
    m_pair.PlacePhotoWindow(m_setting.LastWindowBorder, m_setting.LastWindowTop, m_setting.LastWindowLeft,
                            AgeCaption());
}

void PimmoModule::ShowPhotoWindow() {
    m_pair.ShowPhotoWindow(m_setting.CurrentBorder, m_setting.WindowPosition);
}

std::string PimmoModule::AgeCaption() const {
    return ::AgeCaption(m_setting.PimmoName, m_setting.PimmoBirthDay, Today());
}

void PimmoModule::AnniversaryMessage() const {
    std::string text = AnniversaryMessageText(m_setting.PimmoName, m_setting.PimmoBirthDay, Today());
    if (!text.empty())
        ShowMessage(CurrentPhotoWindow(), text, MB_OK);
}

std::string PimmoModule::CacheFilePath() const {
    return ProfileFolder() + m_cacheName;
}

void PimmoModule::Fail(std::string_view text, ExitCode code) {
    ReleaseStartLock();
    ShowMessage(nullptr, text, MB_OK | MB_ICONSTOP);
    EndProgram(code);
}

void PimmoModule::EndProgram(ExitCode code) {
    ExitProcess(static_cast<UINT>(code));
}

void PimmoModule::OnPhotoMenu(int16_t button) {
    ShowContextMenu(m_instance, button, *this);
}

void PimmoModule::OnPictureDropped(const std::string& path) {
    TakePicture(m_setting, path);
    SaveSetting(true);
    LoadPhoto();
    PlacePhotoWindow();
    ShowPhotoWindow();
}

// Inside a dialog of the widget the windows stay until the dialog has closed (the quit message
// closes it) and the widget ends then, without saving again (PimmoCommands.cpp, ModalScope).
void PimmoModule::OnPhotoUnload() {
    SaveSetting(true);
    ReleaseStartLock();
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
    m_pair.AlignOtherWindow(m_setting.CurrentBorder == 0 ? 0 : 1);
}

std::string PimmoModule::PhotoTooltipText() {
    return AgeTooltipText(m_setting.PimmoName, m_setting.PimmoBirthDay, Today());
}

// A widget runs for days: its caption counts today, and a new day's anniversary is announced
// once, as at a start.
void PimmoModule::OnDayMayHaveChanged() {
    DayChange change = CheckDay(m_dayWatch, m_setting.PimmoName, m_setting.PimmoBirthDay, Today());
    m_dayWatch = change.watch;
    if (change.captionChanges)
        m_pair.SetCaption(AgeCaption());
    if (!change.message.empty())
        ShowMessage(CurrentPhotoWindow(), change.message, MB_OK);
}

void PimmoModule::OnDisplayChanged() {
    m_pair.KeepOnTheScreen();
}

void PimmoModule::RunEditMode() {
    if (LoadSetting())
        RunWizard();
    else
        NewSetting();
    SaveSetting(false);
    ReleaseStartLock();
    EndProgram();
}

void PimmoModule::RunDeleteMode() {
    ClearSetting();
    ReleaseStartLock();
    EndProgram();
}

int PimmoModule::RunShowMode() {
    if (!LoadSetting())
        NewSetting();
    LoadPhoto();
    PlacePhotoWindow();
    ShowPhotoWindow();
    // What only a running widget needs comes after its photo is on the screen.
    m_pair.AddTooltips();
    m_dayWatch = StartDayWatch(Today());
    m_desktop.Create(m_instance);  // without it the widget still runs, only without the rollover
    AnniversaryMessage();
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
        ShowMessage(nullptr, BadSettingNumberMessage(arguments), MB_OK | MB_ICONSTOP);
        return static_cast<int>(ExitCode::BadCommandLine);
    }
    SelectSetting(command->settingNumber);
    // One locked read-modify-write tests and takes the lock: two starts of one setting at the
    // same instant cannot both pass.
    StartLockResult start = m_store->TakeStartLock();
    if (start.alreadyLocked) {
        ShowMessage(nullptr, StartLockMessage(command->switchText), MB_OK | MB_ICONEXCLAMATION);
        return static_cast<int>(ExitCode::Done);
    }
    m_startValues = std::move(start.values);
    // From here on every end releases the lock, an unexpected one too.
    SetUnexpectedFailureHandler([this] { Fail(kUnexpectedFailureMessage, ExitCode::UnexpectedFailure); });
    if (!m_pair.LoadPhotoWindows(m_instance))
        Fail(kWindowsFailedMessage, ExitCode::SettingUnusable);
    if (command->mode == WidgetMode::Edit)
        RunEditMode();
    if (command->mode == WidgetMode::Delete)
        RunDeleteMode();
    return RunShowMode();
}
