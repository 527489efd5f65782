#include "checker/core/DllList.h"

namespace Pruvo {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

}  // namespace

std::string_view TrimLeftBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view TrimBlanks(std::string_view text) {
    text = TrimLeftBlanks(text);
    const size_t last = text.find_last_not_of(kBlanks);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::vector<std::string> SplitDllList(std::string_view list) {
    // A name ends at every comma and at the last character; a comma that is itself the last
    // character ends exactly one name, so a trailing comma adds no empty name.
    std::vector<std::string> names;
    size_t start = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        const bool isComma = list[i] == ',';
        if (!isComma && i + 1 != list.size())
            continue;
        const size_t end = isComma ? i : i + 1;
        names.emplace_back(TrimBlanks(list.substr(start, end - start)));
        start = i + 1;
    }
    return names;
}

}  // namespace Pruvo
