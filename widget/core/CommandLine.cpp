#include "widget/core/CommandLine.h"

#include "base/core/AsciiText.h"
#include "common/core/Conversions.h"

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
        return "この設定のPimmoは起動中です。\r\n終了してから設定を変更してください";
    if (switchText == "/D")
        return "この設定のPimmoは起動中です。\r\n終了してから設定を削除してください";
    return "同じ設定で二重起動することはできません";
}

std::string BadSettingNumberMessage(std::string_view arguments) {
    return "コマンドラインの設定番号を読み取れません: " + std::string(arguments) +
           "\r\n設定番号は -32768 から 32767 までの整数で指定してください";
}
