#include "PimmoModule.h"

#include <optional>

#include "CommandLine.h"
#include "IniFileRelatedLibrary.h"
#include "MessageBoxes.h"
#include "PhotoWindowPair.h"
#include "ProgramLocation.h"
#include "SettingNames.h"
#include "SettingStore.h"
#include "Unicode.h"
#include "WizardDialog.h"

namespace {

SettingRecord g_setting;
std::string g_settingSection;
std::string g_cacheName;
std::optional<SettingStore> g_store;

const SettingStore& Store() {
    return *g_store;
}

void SelectSetting(int16_t settingNumber) {
    g_settingSection = SettingSectionFor(settingNumber);
    g_cacheName = CacheNameFor(settingNumber);
    g_store.emplace(IniFileRelatedLibrary::ProfileFilePath(ProgramBaseName(), "ini"), g_settingSection);
}

// A hand-edited section that cannot be read ends the widget before it writes anything else;
// the lock it took is released, or the setting would stay blocked until house /R.
void LoadSettingOrEnd(bool& found) {
    SettingLoadResult result = Store().Load(g_setting);
    if (result.outcome == SettingLoadResult::Outcome::Unreadable) {
        ReleaseStartLock();
        ShowMessageBox(nullptr,
                       "設定ファイルの値を読み取れないため、Pimmoを終了します。\r\nファイル: " + Store().ProfileFile() +
                           "\r\nセクション: [" + g_settingSection + "]\r\nキー: " + result.key +
                           "\r\n値: " + result.value,
                       kAppTitle, MB_OK | MB_ICONSTOP);
        EndProgram(2);
    }
    found = result.outcome == SettingLoadResult::Outcome::Loaded;
}

// A new setting: the defaults, then the wizard lets the user edit them. The bordered window
// waits at the screen origin.
void NewSetting() {
    g_setting = NewSettingRecord(Today());
    RunSettingWizard();
    g_setting.IsStretchBmpCashed = 0;
}

[[noreturn]] void RunEditMode() {
    bool found = false;
    LoadSettingOrEnd(found);
    if (found)
        RunSettingWizard();
    else
        NewSetting();
    SaveSetting(false);
    ReleaseStartLock();
    EndProgram();
}

[[noreturn]] void RunDeleteMode() {
    Store().Clear();
    ReleaseStartLock();
    EndProgram();
}

int RunShowMode() {
    bool found = false;
    LoadSettingOrEnd(found);
    if (!found)
        NewSetting();
    LoadPhoto(g_setting.PictureFile);
    PlacePhotoWindow(g_setting.LastWindowBorder, g_setting.LastWindowTop, g_setting.LastWindowLeft);
    ShowPhotoWindow(g_setting.CurrentBorder, g_setting.WindowPosition);
    AnniversaryMessage();
    return RunMessageLoop();
}

}  // namespace

SettingRecord& Setting() {
    return g_setting;
}
const std::string& SettingSection() {
    return g_settingSection;
}
const std::string& CacheName() {
    return g_cacheName;
}
std::string CacheFilePath() {
    return ProfileFolder() + g_cacheName;
}

void SaveSetting(bool capture) {
    if (capture) {
        g_setting.LastWindowBorder = g_setting.CurrentBorder;
        WindowPlace place = CurrentWindowPlace();
        g_setting.LastWindowLeft = place.left;
        g_setting.LastWindowTop = place.top;
    }
    Store().Save(g_setting);
}

void ReleaseStartLock() {
    Store().ReleaseStartLock();
}

void EndProgram(UINT exitCode) {
    ExitProcess(exitCode);
}

int Main(HINSTANCE instance, std::wstring_view commandLine) {
    std::string arguments(ArgumentText(Narrow(commandLine)));
    std::optional<WidgetCommand> command = ParseWidgetCommand(arguments);
    if (!command) {
        ShowMessageBox(nullptr, BadSettingNumberMessage(arguments), kAppTitle, MB_OK | MB_ICONSTOP);
        return 1;
    }
    SelectSetting(command->settingNumber);
    if (Store().IsStartLocked()) {
        ShowMessageBox(nullptr, StartLockMessage(command->switchText), kAppTitle, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    Store().SetStartLock();
    LoadPhotoWindows(instance);
    if (command->mode == WidgetMode::Edit)
        RunEditMode();
    if (command->mode == WidgetMode::Delete)
        RunDeleteMode();
    return RunShowMode();
}
