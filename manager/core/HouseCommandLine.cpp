#include "manager/core/HouseCommandLine.h"

#include "base/core/AsciiText.h"
#include "common/core/ProgramLocation.h"
#include "manager/core/HouseNames.h"

namespace PimmoHouseModule {
namespace {

const char* SwitchText(WidgetSwitch widgetSwitch) {
    switch (widgetSwitch) {
        case WidgetSwitch::Edit:
            return "/i";
        case WidgetSwitch::Delete:
            return "/d";
        case WidgetSwitch::Show:
            break;
    }
    return "/s";
}

}  // namespace

HouseMode ParseHouseMode(std::string_view arguments) {
    const std::string upper = UpperAscii(arguments);
    if (upper == "/S")
        return HouseMode::ManagerWindow;
    if (upper == "/R")
        return HouseMode::ReleaseLocks;
    if (upper == "/P")
        return HouseMode::ResetPositions;
    return HouseMode::StartAll;
}

std::string WidgetArguments(WidgetSwitch widgetSwitch, int16_t settingNumber) {
    return SwitchText(widgetSwitch) + std::to_string(settingNumber);
}

std::string WidgetProgramPath(const std::string& programFolder) {
    return JoinPath(programFolder, kWidgetProgramFile);
}

std::string WidgetCommandLine(const std::string& widgetPath, WidgetSwitch widgetSwitch, int16_t settingNumber) {
    return "\"" + widgetPath + "\" " + WidgetArguments(widgetSwitch, settingNumber);
}

}  // namespace PimmoHouseModule
