#pragma once
// Driving house from outside: a program folder with a profile of several settings, house's
// windows, and the widgets it starts.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/support/E2e.h"

namespace house_e2e {

inline constexpr wchar_t kHouseTitle[] = L"Pimmoハウス";
// Control ids of the manager window.
inline constexpr int kCommandOK = 1001;
inline constexpr int kCommandHelp = 1002;
inline constexpr int kCommandAdd = 1003;
inline constexpr int kCommandDelete = 1004;
inline constexpr int kCommandSetting = 1005;
inline constexpr int kSettingListBox = 1006;

// One setting section of the profile: number, name, lock and one "key=value" that replaces the
// usual value of that key (may be empty).
struct TestSetting {
    int number;  // 0: the unnumbered section "Pimmo"
    std::string name;
    std::string lock;
    std::string extra;
};

// Writes the profile: the settings' sections, whose picture is picture, and the list section
// with the listed numbers.
void WriteHouseProfile(const std::wstring& profile,
                       const std::wstring& picture,
                       const std::vector<TestSetting>& settings,
                       const std::vector<int>& listed);

// "Taro (yyyy年MM月dd日生まれ)" for a setting written by WriteHouseProfile.
std::wstring ExpectedCaption(const std::string& name);

// The manager window of house, or nullptr after the time-out.
HWND WaitForManagerWindow(DWORD pid, DWORD timeoutMs = e2e::kWindowTimeoutMs);
// The lines of the manager window's list box.
std::vector<std::wstring> ListLines(HWND form);

// Visible photo windows of widgets started from folder, one per process.
std::vector<DWORD> WidgetProcessesShowingPhotos(const std::wstring& folder);
// Visible dialogs (message boxes among them) of widgets started from folder (pimmo.exe only).
std::vector<HWND> WidgetDialogs(const std::wstring& folder);
// Ends the widget processes: their windows are closed, and what still runs is ended by handle.
void EndWidgets(const std::vector<DWORD>& pids);

}  // namespace house_e2e
