#include "SettingCaption.h"

#include <cstdio>

#include "HouseNames.h"
#include "IniFileRelatedLibrary.h"

using namespace IniFileRelatedLibrary;

namespace PimmoHouseModule {

std::string FormatSettingCaption(const std::string& name, const std::optional<CalendarDate>& birthday) {
    if (!birthday)
        return name + " (" + kUnknownBirthday + ")";
    char date[48];
    std::snprintf(date, sizeof date, "%04d年%02d月%02d日", birthday->year, birthday->month, birthday->day);
    return name + " (" + date + "生まれ)";
}

std::string SettingCaption(const std::string& profileFile, int16_t settingNumber) {
    SelectProfile(profileFile, HouseSettingSection(settingNumber));
    const std::string name = ReadProfileValue("PimmoName", "");
    return FormatSettingCaption(name, ParseDate(ReadProfileValue("PimmoBirthDay", "")));
}

}  // namespace PimmoHouseModule
