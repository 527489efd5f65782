#pragma once
// The names house gives its window and the widget program; the profile file's own names are
// the shared layout's (common/core/SettingSections.h).
namespace PimmoHouseModule {

// The caption of every house window and message box.
inline constexpr const char* kHouseTitle = "Pimmoハウス";
// What a screen reader calls the window's list, which has no label on the screen.
inline constexpr const char* kSettingListName = "設定の一覧";
// The widget program, installed in house's own folder.
inline constexpr const char* kWidgetProgramFile = "pimmo.exe";
// The help file in the program folder and house's topic in it.
inline constexpr const char* kHelpFile = "pimmo.hlp";
inline constexpr int kHelpTopic = 100;

}  // namespace PimmoHouseModule
