#include "widget/core/CommandLine.h"

#include "base/core/AsciiText.h"
#include "common/core/Conversions.h"
#include "widget/core/PimmoTexts.h"

std::string_view ArgumentText(std::string_view commandLine) {
    size_t i = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        // A quoted program name ends at its closing quote: "C:\Pimmo\pimmo.exe"/s3 carries /s3.
        size_t close = commandLine.find('"', 1);
        i = close == std::string_view::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t')
            ++i;
    }
    while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t'))
        ++i;
    return commandLine.substr(i);
}

bool IsHelpCommand(std::string_view arguments) {
    return UpperAscii(arguments.substr(0, 2)) == "/H";
}

std::optional<WidgetCommand> ParseWidgetCommand(std::string_view arguments) {
    WidgetCommand command;
    command.switchText = UpperAscii(arguments.substr(0, 2));
    if (arguments.size() < 3)
        return command;
    const std::string& prefix = command.switchText;
    if (prefix != "/S" && prefix != "/I" && prefix != "/D")
        return command;
    auto number = TextToInt16(arguments.substr(2));
    if (!number)
        return std::nullopt;
    command.settingNumber = *number;
    command.mode = prefix == "/I" ? WidgetMode::Edit : prefix == "/D" ? WidgetMode::Delete : WidgetMode::Show;
    return command;
}

std::string StartLockMessage(const std::string& switchText) {
    if (switchText == "/I")
        return std::string(Text(PimmoText::LockEdit));
    if (switchText == "/D")
        return std::string(Text(PimmoText::LockDelete));
    return std::string(Text(PimmoText::LockSecond));
}

std::string BadSettingNumberMessage(std::string_view arguments) {
    return FormatText(Text(PimmoText::BadSettingNumber), {arguments});
}
