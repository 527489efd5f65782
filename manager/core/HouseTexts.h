#pragma once
// The one catalogue of everything house says: its title, the list's captions and its message
// boxes, each in Japanese and English. "{n}" marks an argument.
#include <string_view>

#include "base/core/Language.h"

namespace PimmoHouseModule {

enum class HouseText {
    Title,
    SettingListName,
    BornOn,           // {0}: name, {1}: the birthday
    UnknownBirthday,  // {0}: name
    SecondInstance,
    ConfirmReleaseLocks,
    WidgetsRunning,
    ConfirmPositionReset,
    // The list house reads at start: {0} file, {1} section, {2} key, {3} value, {4} the rule.
    UnreadableList,
    EmptyValue,
    CountRule,
    NumberRule,
    WidgetStartFailed,  // {0}: the command line
    UnexpectedFailure,
    SelectLineToDelete,
    DeleteRunningSetting,
    ConfirmDelete,
    SelectLineToChange,
    ChangeRunningSetting,
    NoMoreSettings,
    Count
};

std::string_view Text(HouseText id, Language language = UserLanguage());

}  // namespace PimmoHouseModule
