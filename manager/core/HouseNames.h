#pragma once
// The names house gives the widget program and its help (its texts are in HouseTexts); the profile file's own names are
// the shared layout's (common/core/SettingSections.h).
namespace PimmoHouseModule {

// The widget program, installed in house's own folder.
inline constexpr const char* kWidgetProgramFile = "pimmo.exe";
// The help file in the program folder and house's topic in it.
inline constexpr const char* kHelpFile = "pimmo.hlp";
inline constexpr int kHelpTopic = 100;

}  // namespace PimmoHouseModule
