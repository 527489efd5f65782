#pragma once
// The manager window's list line of a setting: the child's name and birthday.
#include <cstdint>
#include <optional>
#include <string>

#include "CalendarDate.h"

namespace PimmoHouseModule {

// Shown instead of the birthday when a hand-edited "PimmoBirthDay" is no date, so the line
// still names the setting and the user can change or delete it.
inline constexpr const char* kUnknownBirthday = "生年月日不明";

// "Taro (2000年07月22日生まれ)"; "Taro (生年月日不明)" without a birthday.
std::string FormatSettingCaption(const std::string& name, const std::optional<CalendarDate>& birthday);

// The line of setting N, read from its section "PimmoName" and "PimmoBirthDay".
std::string SettingCaption(const std::string& profileFile, int16_t settingNumber);

}  // namespace PimmoHouseModule
