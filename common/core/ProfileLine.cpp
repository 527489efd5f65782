#include "common/core/ProfileLine.h"

bool SameProfileName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

std::string_view StripOuterQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

ProfileLineParts ParseProfileLine(std::string_view line) {
    const std::string_view text = TrimBlanks(line);
    ProfileLineParts parts;
    if (text.empty())
        return parts;
    if (text.front() == ';') {
        parts.kind = ProfileLineKind::Comment;
    } else if (text.front() == '[') {
        // The name runs to the first ']' or, without one, to the end of the line; what follows
        // the ']' is ignored.
        const std::string_view rest = text.substr(1);
        parts.kind = ProfileLineKind::Section;
        parts.name = TrimBlanks(rest.substr(0, rest.find(']')));
    } else if (const size_t eq = text.find('='); eq != std::string_view::npos) {
        parts.kind = ProfileLineKind::Entry;
        parts.name = TrimBlanks(text.substr(0, eq));
        parts.value = TrimBlanks(text.substr(eq + 1));
    } else {
        parts.kind = ProfileLineKind::Other;
    }
    return parts;
}
