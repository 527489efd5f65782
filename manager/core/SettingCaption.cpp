#include "manager/core/SettingCaption.h"

#include <cstdio>

#include "common/core/ProfileSectionAccess.h"
#include "common/core/ProfileTransaction.h"
#include "common/core/SettingKeys.h"
#include "common/core/SettingSections.h"
#include "manager/core/HouseTexts.h"

namespace PimmoHouseModule {
namespace {

// "2000年07月22日" in Japanese, the user's short date in English.
std::string BirthdayText(const CalendarDate& birthday) {
    if (UserLanguage() == Language::English)
        return UserShortDate(birthday);
    char date[48];
    std::snprintf(date, sizeof date, "%04d年%02d月%02d日", birthday.year, birthday.month, birthday.day);
    return date;
}

}  // namespace

std::string FormatSettingCaption(const std::string& name, const std::optional<CalendarDate>& birthday) {
    if (!birthday)
        return FormatText(Text(HouseText::UnknownBirthday), {name});
    return FormatText(Text(HouseText::BornOn), {name, BirthdayText(*birthday)});
}

std::string SettingCaption(const ProfileSectionValues& section) {
    const std::string name = ProfileSectionValue(section, SettingKeyName::kPimmoName, "");
    return FormatSettingCaption(name, ParseDate(ProfileSectionValue(section, SettingKeyName::kPimmoBirthDay, "")));
}

std::string SettingCaption(const std::string& profileFile, int16_t settingNumber) {
    return SettingCaption(ReadProfileSectionValues(profileFile, HouseSettingSection(settingNumber)));
}

std::vector<std::string> SettingCaptions(const std::string& profileFile, const SettingList& list) {
    std::vector<std::string> captions;
    ReadProfile(profileFile, [&](const ProfileSnapshot& profile) {
        for (int16_t number : list.numbers)
            captions.push_back(SettingCaption(profile.Section(HouseSettingSection(number))));
    });
    return captions;
}

}  // namespace PimmoHouseModule
