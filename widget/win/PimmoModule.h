#pragma once
// The widget's program-wide state and its start procedure.
#include <windows.h>

#include <string>
#include <string_view>

#include "SettingRecord.h"

inline constexpr char kAppTitle[] = "Pimmo for Windows";

SettingRecord& Setting();
const std::string& SettingSection();
const std::string& CacheName();
// The scaled-picture cache of this setting: the profile's folder + CacheName().
std::string CacheFilePath();

// Writes the record; with capture, first takes the current window's frame and position.
void SaveSetting(bool capture);
void ReleaseStartLock();
// The immediate end: no window-closing handling runs.
[[noreturn]] void EndProgram(UINT exitCode = 0);

// Parses the command line, guards the setting with its start lock and runs the chosen mode.
// Returns the process exit code (show mode returns when its message loop ends).
int Main(HINSTANCE instance, std::wstring_view commandLine);
