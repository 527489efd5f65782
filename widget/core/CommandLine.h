#pragma once
// The widget's command line: "/S"n, "/I"n, "/D"n, "/H" or nothing; the switch letter in either case.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class WidgetMode { Show, Edit, Delete };

struct WidgetCommand {
    WidgetMode mode = WidgetMode::Show;
    int16_t settingNumber = 0;
    std::string switchText;  // the first two characters in upper case, whatever the length
};

// The argument text as the platform delivers it: the command line without the program name
// and the blanks that follow it. A quoted program name ends at its closing quote, whether or
// not a blank follows it.
std::string_view ArgumentText(std::string_view commandLine);

// "/H" (whatever follows it): only the help, at the widget's topic; no setting is touched. It
// comes before every other reading of the command line, which it leaves as it was.
bool IsHelpCommand(std::string_view arguments);

// nullopt when the text behind "/S", "/I" or "/D" is no 16-bit number.
std::optional<WidgetCommand> ParseWidgetCommand(std::string_view arguments);

// The refusal shown when the setting is already served by another widget.
std::string StartLockMessage(const std::string& switchText);
// The refusal of a command line whose setting number cannot be read.
std::string BadSettingNumberMessage(std::string_view arguments);
