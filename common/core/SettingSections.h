#pragma once
// Where pimmo and house find a setting in the shared per-user profile file: the file's name as
// each program gives it, the section of a setting number and house's own list section.
#include <cstdint>
#include <string>

// "PIMMO" for the unnumbered setting 0, otherwise "PIMMO" + number ("PIMMO3", "PIMMO-2"): the
// widget's spelling.
std::string SettingSectionFor(int16_t settingNumber);

// "Pimmo" + number, "Pimmo" for setting 0: house's spelling of the same section (section names
// compare without regard to case).
std::string HouseSettingSection(int16_t settingNumber);

// house's ordered list of the settings it manages; pimmo never reads or writes it.
inline constexpr char kSettingListSection[] = "PimmoHouse";

// The per-user profile file, <profile folder>\<user name>.ini. Without a user name the widget
// falls back on its program name, house on "Pimmo".
std::string WidgetProfileFile();
std::string HouseProfileFile();
