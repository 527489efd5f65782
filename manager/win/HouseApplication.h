#pragma once
// house's application object: the previous-instance guard, the setting list and the four
// modes, from the start to the end of the process.
#include <windows.h>

#include <string>
#include <string_view>

#include "base/core/UniqueHandles_win.h"
#include "manager/core/HouseCommandLine.h"
#include "manager/core/SettingList.h"
#include "manager/win/PimmoHouseForm.h"

namespace PimmoHouseModule {

// How house ends.
enum class HouseExit : UINT {
    Done = 0,               // every regular end, a declined confirmation too
    SecondInstance = 1,     // another manager runs in this session; nothing was read
    UnreadableList = 2,     // the stored list could not be read; nothing was written
    WidgetNotStarted = 3,   // the widget program could not be started
    WidgetsRunning = 4,     // "/P" refused: a widget runs; nothing was written
    UnexpectedFailure = 5,  // an unexpected failure inside a window, told before the end
    NotSaved = 6,           // "/R" or "/P" could not write the profile file; it is unchanged
};

class HouseApplication final : private HouseFormOwner {
public:
    explicit HouseApplication(HINSTANCE instance);

    // Runs house for its argument text (the command line without the program name) and
    // returns the exit code.
    int Main(std::wstring_view arguments);

private:
    void RunWidgetAndWait(HWND form, WidgetSwitch widgetSwitch, int16_t settingNumber) override;
    void TellNotSaved(HWND form, UnsavedChange what) override;

    bool IsOnlyManager();
    bool LoadList();
    HouseExit RunStartAll();
    HouseExit RunManagerWindow();
    HouseExit RunReleaseLocks();
    HouseExit RunResetPositions();
    // Tells the user that the widget program could not be started, and ends.
    [[noreturn]] static void FailWidgetStart(HWND owner, const std::string& commandLine);

    HINSTANCE m_instance;
    std::string m_profileFile;
    std::string m_widgetPath;
    SettingList m_list;
    UniqueHandle m_instanceGuard;
};

}  // namespace PimmoHouseModule
