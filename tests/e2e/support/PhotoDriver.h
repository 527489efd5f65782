#pragma once
// Driving the photo windows of a running widget from outside: its setting section, its two
// windows, files dropped on the photo, the session's end.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "tests/e2e/support/E2e.h"

namespace photo_e2e {

inline constexpr wchar_t kBorderless[] = L"PimmoFormBl";
inline constexpr wchar_t kBordered[] = L"PimmoFormBd";
inline constexpr wchar_t kPhoto[] = L"PimmoPhoto";

// A setting's keys and values in the order they are written.
using SettingValues = std::vector<std::pair<std::string, std::string>>;

// The date `days` days before today, in the profile's form yyyy/MM/dd.
std::string DaysAgo(int days);
// Today's date moved back by whole years, when that day exists (not for 29 February).
std::string YearsAgo(int years);

// Writes [section] with the values (UTF-8, stored in the system's code page) as the whole file.
void WriteSection(const std::wstring& profile, const std::string& section, const SettingValues& values);

// Pixel rectangles of a window: outer, and the inner area in screen coordinates.
RECT OuterRect(HWND window);
RECT InnerRect(HWND window);
SIZE Size(const RECT& rect);

HWND PhotoControl(HWND window);
// The widget's visible photo window (either twin), or nullptr after the time-out.
HWND WaitForPhotoWindow(DWORD pid, DWORD timeoutMs = e2e::kWindowTimeoutMs);

// Drops the files on the photo as the shell does: a file list in the program's own memory,
// announced by WM_DROPFILES (posted, so a message box of the program never blocks the test).
bool DropFiles(HWND photo, const std::vector<std::wstring>& files);

// The session ends (log-off or shut-down): the window is asked, then told.
bool EndSession(HWND window);

// A real caption drag: the left button pressed on the photo, moved by (dx, dy), released.
void DragBy(HWND photo, int dx, int dy);

// Twips per pixel of this display.
int TwipsPerPixel();

}  // namespace photo_e2e
