#pragma once
// house's own switches, and the command lines with which it starts the widget program.
#include <cstdint>
#include <string>
#include <string_view>

namespace PimmoHouseModule {

enum class HouseMode {
    StartAll,        // no recognised switch: splash, then one widget per listed idle setting
    ManagerWindow,   // "/S"
    ReleaseLocks,    // "/R"
    ResetPositions,  // "/P"
};

// The argument text (the command line without the program name, as wWinMain receives it),
// upper-cased and compared as a whole: "/s" is "/S", but "/S ", "/S/R" or "-S" start all.
HouseMode ParseHouseMode(std::string_view arguments);

enum class WidgetSwitch {
    Show,    // "/s": show the setting; not waited for
    Edit,    // "/i": create or change the setting; waited for
    Delete,  // "/d": empty the setting; waited for
};

// "/s3": the switch with the setting number right behind it, no blank between.
std::string WidgetArguments(WidgetSwitch widgetSwitch, int16_t settingNumber);

// The full path of the widget program in house's own folder.
std::string WidgetProgramPath(const std::string& programFolder);

// "\"<widgetPath>\" /s3": the program quoted, since the folder may hold blanks, then one
// blank and the arguments. The widget skips its program name and reads the switch behind it.
std::string WidgetCommandLine(const std::string& widgetPath, WidgetSwitch widgetSwitch, int16_t settingNumber);

}  // namespace PimmoHouseModule
