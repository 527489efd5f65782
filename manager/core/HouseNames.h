#pragma once
// The names house uses in the shared profile file and for the widget program.
#include <cstdint>
#include <string>

namespace PimmoHouseModule {

// The caption of every house window and message box.
inline constexpr const char* kHouseTitle = "Pimmoハウス";
// The section of house's own setting list; pimmo never reads or writes it.
inline constexpr const char* kListSection = "PimmoHouse";
// The widget program, installed in house's own folder.
inline constexpr const char* kWidgetProgramFile = "pimmo.exe";
// The help file in the program folder and house's topic in it.
inline constexpr const char* kHelpFile = "pimmo.hlp";
inline constexpr int kHelpTopic = 100;

// The per-user profile file as house names it: "Pimmo" stands in for an unknown user name.
std::string HouseProfileFile();

// "Pimmo" + number in decimal, "Pimmo" for the unnumbered setting 0. The widget writes the
// same sections in upper case; section names are compared without regard to case.
std::string HouseSettingSection(int16_t settingNumber);

}  // namespace PimmoHouseModule
