#include "SettingListEdits.h"

#include <limits>

#include "HouseNames.h"
#include "IniFileRelatedLibrary.h"
#include "SettingCaption.h"

using namespace IniFileRelatedLibrary;

namespace PimmoHouseModule {
namespace {

bool HasName(const std::string& profileFile, int16_t settingNumber) {
    SelectProfile(profileFile, HouseSettingSection(settingNumber));
    return !ReadProfileValue("PimmoName", "").empty();
}

}  // namespace

std::optional<int16_t> NewSettingNumber(const std::string& profileFile, const SettingList& list) {
    if (list.numbers.size() >= static_cast<size_t>(std::numeric_limits<int16_t>::max()))
        return std::nullopt;
    for (int number = 1; number <= std::numeric_limits<int16_t>::max(); ++number) {
        const auto settingNumber = static_cast<int16_t>(number);
        if (IsListed(list, settingNumber) || HasName(profileFile, settingNumber))
            continue;
        if (!IsSettingRunning(profileFile, settingNumber))
            return settingNumber;
    }
    return std::nullopt;
}

bool WasSettingCreated(const std::string& profileFile, int16_t settingNumber) {
    return HasName(profileFile, settingNumber);
}

bool WasSettingDeleted(const std::string& profileFile, int16_t settingNumber) {
    return !HasName(profileFile, settingNumber);
}

std::optional<std::string> CompleteAdd(const std::string& profileFile, SettingList& list, int16_t settingNumber) {
    if (!WasSettingCreated(profileFile, settingNumber) || !AppendSetting(list, settingNumber))
        return std::nullopt;
    SaveSettingList(profileFile, list);
    return SettingCaption(profileFile, settingNumber);
}

bool CompleteDelete(const std::string& profileFile, SettingList& list, size_t line) {
    if (line >= list.numbers.size() || !WasSettingDeleted(profileFile, list.numbers[line]))
        return false;
    RemoveSetting(list, line);
    SaveSettingList(profileFile, list);
    return true;
}

}  // namespace PimmoHouseModule
