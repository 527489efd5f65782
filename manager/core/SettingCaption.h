#pragma once
// The manager window's list line of a setting: the child's name and birthday.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/core/CalendarDate.h"
#include "common/core/ProfileSectionAccess.h"
#include "manager/core/SettingList.h"

namespace PimmoHouseModule {

// "Taro (2000年07月22日生まれ)", "Taro (born 7/22/2000)"; "Taro (生年月日不明)" when a hand-edited
// birthday is no date, so the line still names the setting and the user can change or delete it.
std::string FormatSettingCaption(const std::string& name, const std::optional<CalendarDate>& birthday);

// The line of a setting from its section's name and birthday.
std::string SettingCaption(const ProfileSectionValues& section);
// The line of setting N, from one read of its section.
std::string SettingCaption(const std::string& profileFile, int16_t settingNumber);
// The lines of every listed setting, in list order, from one read of the file.
std::vector<std::string> SettingCaptions(const std::string& profileFile, const SettingList& list);

}  // namespace PimmoHouseModule
