#include "base/core/Language.h"

namespace {

constexpr uint16_t kJapanesePrimaryLanguage = 0x11;

// "{d}" at position, as its digit; -1 for anything else.
int PlaceholderAt(std::string_view pattern, size_t position) {
    if (position + 2 >= pattern.size() || pattern[position] != '{' || pattern[position + 2] != '}')
        return -1;
    const char digit = pattern[position + 1];
    return digit >= '0' && digit <= '9' ? digit - '0' : -1;
}

std::string GroupedDigits(int64_t number) {
    const bool negative = number < 0;
    std::string digits = std::to_string(number);
    if (negative)
        digits.erase(0, 1);
    for (size_t i = digits.size(); i > 3; i -= 3)
        digits.insert(i - 3, 1, ',');
    return negative ? "-" + digits : digits;
}

std::string_view OrdinalSuffix(int64_t number) {
    const int64_t last = (number < 0 ? -number : number) % 100;
    if (last >= 11 && last <= 13)
        return "th";
    switch (last % 10) {
        case 1:
            return "st";
        case 2:
            return "nd";
        case 3:
            return "rd";
        default:
            return "th";
    }
}

}  // namespace

Language LanguageOfUiLanguage(uint16_t languageId) {
    return (languageId & 0x3FF) == kJapanesePrimaryLanguage ? Language::Japanese : Language::English;
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const int index = PlaceholderAt(pattern, i);
        if (index < 0 || static_cast<size_t>(index) >= arguments.size()) {
            text += pattern[i];
            continue;
        }
        text += *(arguments.begin() + index);
        i += 2;
    }
    return text;
}

unsigned PlaceholdersOf(std::string_view pattern) {
    unsigned found = 0;
    for (size_t i = 0; i < pattern.size(); ++i)
        if (const int index = PlaceholderAt(pattern, i); index >= 0)
            found |= 1u << index;
    return found;
}

std::string LanguageFilePath(std::string_view path, Language language) {
    if (language == Language::Japanese)
        return std::string(path);
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of("\\/");
    const size_t end =
        dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash) ? path.size() : dot;
    return std::string(path.substr(0, end)) + "-en" + std::string(path.substr(end));
}

std::string CountText(int64_t number, Language language) {
    return language == Language::English ? GroupedDigits(number) : std::to_string(number);
}

std::string OrdinalText(int64_t number, Language language) {
    if (language == Language::Japanese)
        return std::to_string(number);
    return GroupedDigits(number) + std::string(OrdinalSuffix(number));
}
