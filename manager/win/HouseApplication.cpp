#include "manager/win/HouseApplication.h"

#include "base/core/ProgramPath.h"
#include "base/core/Unicode.h"
#include "base/win/CallbackGuard.h"
#include "base/win/MessageBox.h"
#include "common/core/SettingSections.h"
#include "common/win/AboutBox.h"
#include "manager/core/HouseMessages.h"
#include "manager/core/HouseModes.h"
#include "manager/core/HouseNames.h"
#include "manager/core/HouseTexts.h"
#include "manager/win/WaitForLibrary.h"

namespace PimmoHouseModule {
namespace {

// One manager per user session: the name lives in the session's own namespace.
constexpr wchar_t kInstanceGuardName[] = L"Local\\PimmoHouseManager";
// The splash of start all stays this long before the widgets start.
constexpr UINT kSplashMilliseconds = 2000;

}  // namespace

HouseApplication::HouseApplication(HINSTANCE instance)
    : m_instance(instance), m_profileFile(HouseProfileFile()), m_widgetPath(WidgetProgramPath(ProgramFolder())) {
    SetProgramTitle(std::string(Text(HouseText::Title)));
}

int HouseApplication::Main(std::wstring_view arguments) {
    if (!IsOnlyManager()) {
        ShowMessage(nullptr, SecondInstanceMessage());
        return static_cast<int>(HouseExit::SecondInstance);
    }
    SetUnexpectedFailureHandler([] { ShowMessage(nullptr, UnexpectedFailureMessage()); },
                                static_cast<UINT>(HouseExit::UnexpectedFailure));
    const HouseMode mode = ParseHouseMode(Narrow(arguments));
    if (!LoadList())
        return static_cast<int>(HouseExit::UnreadableList);
    HouseExit exit = HouseExit::Done;
    switch (mode) {
        case HouseMode::ManagerWindow:
            exit = RunManagerWindow();
            break;
        case HouseMode::ReleaseLocks:
            exit = RunReleaseLocks();
            break;
        case HouseMode::ResetPositions:
            exit = RunResetPositions();
            break;
        case HouseMode::StartAll:
            exit = RunStartAll();
            break;
    }
    return static_cast<int>(exit);
}

bool HouseApplication::IsOnlyManager() {
    m_instanceGuard.Reset(CreateMutexW(nullptr, FALSE, kInstanceGuardName));
    // Held until the process ends; the system closes it then, also after a crash.
    return m_instanceGuard && GetLastError() != ERROR_ALREADY_EXISTS;
}

bool HouseApplication::LoadList() {
    SettingListLoad loaded = LoadSettingList(m_profileFile);
    if (auto* error = std::get_if<UnreadableSettingList>(&loaded)) {
        ShowMessage(nullptr, UnreadableListMessage(*error));
        return false;
    }
    m_list = std::get<SettingList>(std::move(loaded));
    return true;
}

HouseExit HouseApplication::RunStartAll() {
    ShowSplash(m_instance, kSplashMilliseconds);
    for (const std::string& commandLine : StartAllCommandLines(m_profileFile, m_list, m_widgetPath))
        if (!WaitForLibrary::StartProgram(m_widgetPath, commandLine, SW_SHOWNORMAL))
            FailWidgetStart(nullptr, commandLine);
    return HouseExit::Done;
}

HouseExit HouseApplication::RunManagerWindow() {
    PimmoHouseForm form(*this, m_profileFile, m_list);
    form.Run(m_instance);
    return HouseExit::Done;
}

HouseExit HouseApplication::RunReleaseLocks() {
    if (ShowMessage(nullptr, ConfirmReleaseLocksMessage()) != MessageAnswer::Yes ||
        ReleaseAllStartLocks(m_profileFile, m_list).saved)
        return HouseExit::Done;
    TellNotSaved(nullptr, UnsavedChange::ReleasedLocks);
    return HouseExit::NotSaved;
}

HouseExit HouseApplication::RunResetPositions() {
    if (FindRunningWidget(m_profileFile, m_list)) {
        ShowMessage(nullptr, WidgetsRunningMessage());
        return HouseExit::WidgetsRunning;
    }
    if (ShowMessage(nullptr, ConfirmPositionResetMessage()) != MessageAnswer::Yes)
        return HouseExit::Done;
    switch (ResetWindowPositions(m_profileFile, m_list)) {
        case PositionReset::WidgetRunning:
            // A widget started while the user was asked: nothing was moved.
            ShowMessage(nullptr, WidgetsRunningMessage());
            return HouseExit::WidgetsRunning;
        case PositionReset::NotSaved:
            TellNotSaved(nullptr, UnsavedChange::WindowPositions);
            return HouseExit::NotSaved;
        case PositionReset::Done:
            break;
    }
    return HouseExit::Done;
}

void HouseApplication::RunWidgetAndWait(HWND form, WidgetSwitch widgetSwitch, int16_t settingNumber) {
    const std::string commandLine = WidgetCommandLine(m_widgetPath, widgetSwitch, settingNumber);
    if (!WaitForLibrary::ShellAndWait(m_widgetPath, commandLine, SW_SHOWNORMAL, form))
        FailWidgetStart(form, commandLine);
}

void HouseApplication::TellNotSaved(HWND form, UnsavedChange what) {
    ShowMessage(form, NotSavedMessage(m_profileFile, what));
}

void HouseApplication::FailWidgetStart(HWND owner, const std::string& commandLine) {
    ShowMessage(owner, WidgetStartFailedMessage(commandLine));
    ExitProcess(static_cast<UINT>(HouseExit::WidgetNotStarted));
}

}  // namespace PimmoHouseModule
