#pragma once
// Driving the widget's settings interface from outside: the options dialog and wizard, the
// context menu (keyboard keys posted to the menu's own loop) and the open-file dialog.
#include <windows.h>

#include <initializer_list>
#include <string>

#include "tests/e2e/support/E2e.h"

namespace options_e2e {

inline constexpr wchar_t kOptionsCaption[] = L"Pimmo for Windowsの設定";
inline constexpr wchar_t kOpenDialogTitle[] = L"Pimmoの写真を選択してください";
inline constexpr wchar_t kMenuClass[] = L"#32768";

// A visible dialog of the process with this caption; nullptr after the time-out.
HWND WaitForDialog(DWORD pid, const std::wstring& caption, DWORD timeoutMs = e2e::kWindowTimeoutMs);
HWND WaitForOptionsDialog(DWORD pid, DWORD timeoutMs = e2e::kWindowTimeoutMs);

// Control access across the process boundary, each with a time-out.
void SetText(HWND control, const std::wstring& text);
void SelectEntry(HWND dialog, int id, int index);
int SelectedEntry(HWND dialog, int id);
int EntryCount(HWND dialog, int id);
std::wstring EntryText(HWND dialog, int id, int index);
bool IsChecked(HWND dialog, int id);
bool IsShown(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);

// A right-button press and release on the photo, posted.
void RightClick(HWND photo);
// The count-th open menu level of the process (1 the menu, 2 a submenu); nullptr when it does
// not appear within the time-out.
HWND WaitForMenu(DWORD pid, size_t count = 1, DWORD timeoutMs = e2e::kWindowTimeoutMs);
// Keys posted to the open menu one after another (VK_DOWN, VK_RIGHT, VK_RETURN...).
void MenuKeys(HWND menu, std::initializer_list<UINT> keys);
// Right-click, then the keys: the menu command at that place runs.
bool RunMenu(DWORD pid, HWND photo, std::initializer_list<UINT> keys);

// The picture chooser's open-file dialog: a file's full path typed and confirmed, or cancelled.
HWND WaitForOpenDialog(DWORD pid);
bool ChooseFile(DWORD pid, const std::wstring& path);
bool CancelOpenDialog(DWORD pid);

}  // namespace options_e2e
