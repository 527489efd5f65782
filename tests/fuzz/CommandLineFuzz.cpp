// The widget's command line. Properties:
//  - the argument text is the rest of the command line behind the program name, quoted or
//    not, with or without blanks between them;
//  - a switch and a 16-bit number, as the manager writes them or typed in any case with blanks
//    around the number, give back that number and the switch's mode;
//  - the section and cache names of a setting name its number;
//  - any text: no crash, and a command is refused only for a switch with no 16-bit number.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "common/core/Conversions.h"
#include "common/core/SettingSections.h"
#include "tests/fuzz/FuzzCheck.h"
#include "widget/core/CommandLine.h"
#include "widget/core/SettingNames.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Without(std::string text, std::string_view characters) {
    std::erase_if(text, [&](char c) { return characters.find(c) != std::string_view::npos; });
    return text;
}

void CheckArgumentText(FuzzedDataProvider& input) {
    const std::string anyLine = input.ConsumeRandomLengthString(200);
    const std::string_view anyArguments = ArgumentText(anyLine);
    FUZZ_CHECK(std::string_view(anyLine).ends_with(anyArguments));
    FUZZ_CHECK(anyArguments.empty() || !IsBlank(anyArguments.front()));

    const std::string name = Without(input.ConsumeRandomLengthString(40), "\"");
    std::string separator(input.ConsumeIntegralInRange(0, 3), ' ');
    for (char& c : separator)
        c = input.ConsumeBool() ? ' ' : '\t';
    std::string arguments = input.ConsumeRandomLengthString(40);
    while (!arguments.empty() && IsBlank(arguments.front()))
        arguments.erase(0, 1);
    FUZZ_CHECK(ArgumentText("\"" + name + "\"" + separator + arguments) == arguments);
    const std::string bareName = Without(name, " \t");
    if (!bareName.empty() && !separator.empty())
        FUZZ_CHECK(ArgumentText(bareName + separator + arguments) == arguments);
}

void CheckNumberRoundTrip(FuzzedDataProvider& input) {
    const int16_t number = input.ConsumeIntegral<int16_t>();
    static const struct {
        char letter;
        WidgetMode mode;
    } kSwitches[] = {{'S', WidgetMode::Show}, {'s', WidgetMode::Show},   {'I', WidgetMode::Edit},
                     {'i', WidgetMode::Edit}, {'D', WidgetMode::Delete}, {'d', WidgetMode::Delete}};
    const auto& chosen = kSwitches[input.ConsumeIntegralInRange<size_t>(0, std::size(kSwitches) - 1)];
    const std::string blanksBefore(input.ConsumeIntegralInRange(0, 2), ' ');
    const std::string blanksAfter(input.ConsumeIntegralInRange(0, 2), '\t');
    const std::string manager = "Pimmo /" + std::string(1, chosen.letter) + std::to_string(number);
    const std::string typed = std::string("/") + chosen.letter + blanksBefore + std::to_string(number) + blanksAfter;
    for (const std::string& arguments : {std::string(ArgumentText(manager)), typed}) {
        const std::optional<WidgetCommand> command = ParseWidgetCommand(arguments);
        FUZZ_CHECK(command && command->settingNumber == number && command->mode == chosen.mode);
    }
    const std::string section = SettingSectionFor(number);
    const std::string cache = CacheNameFor(number);
    FUZZ_CHECK(section.starts_with("PIMMO") && cache.starts_with("\\pmCache") && cache.ends_with(".bmp"));
    const std::string sectionNumber = section.substr(5);
    const std::string cacheNumber = cache.substr(8, cache.size() - 12);
    FUZZ_CHECK(number == 0 ? sectionNumber.empty() : TextToInt16(sectionNumber) == number);
    FUZZ_CHECK(number == 0 ? cacheNumber.empty() : TextToInt16(cacheNumber) == number);
}

void CheckAnyArguments(FuzzedDataProvider& input) {
    const std::string arguments = input.ConsumeRandomLengthString(100);
    const std::optional<WidgetCommand> command = ParseWidgetCommand(arguments);
    std::string prefix = arguments.substr(0, 2);
    for (char& c : prefix)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    const bool isSwitch = arguments.size() >= 3 && (prefix == "/S" || prefix == "/I" || prefix == "/D");
    const std::optional<int16_t> number = isSwitch ? TextToInt16(arguments.substr(2)) : std::nullopt;
    FUZZ_CHECK(command.has_value() == (!isSwitch || number.has_value()));
    if (!command) {
        FUZZ_CHECK(BadSettingNumberMessage(arguments).find(arguments) != std::string::npos);
        return;
    }
    FUZZ_CHECK(command->switchText == prefix);
    FUZZ_CHECK(command->settingNumber == (isSwitch ? *number : 0));
    const WidgetMode mode = !isSwitch        ? WidgetMode::Show
                            : prefix == "/I" ? WidgetMode::Edit
                            : prefix == "/D" ? WidgetMode::Delete
                                             : WidgetMode::Show;
    FUZZ_CHECK(command->mode == mode);
    FUZZ_CHECK(!StartLockMessage(command->switchText).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange(0, 2)) {
        case 0:
            CheckArgumentText(input);
            break;
        case 1:
            CheckNumberRoundTrip(input);
            break;
        default:
            CheckAnyArguments(input);
            break;
    }
    return 0;
}
