#pragma once
// How one line of a profile file reads: the rules of the platform's private-profile functions.
#include <string>
#include <string_view>

#include "base/core/AsciiText.h"

enum class ProfileLineKind {
    Blank,    // nothing but spaces and tabs
    Comment,  // first non-blank character ';'
    Section,  // first non-blank character '['
    Entry,    // holds '=': key and value
    Other,    // text without '=': no key
};

struct ProfileLineParts {
    ProfileLineKind kind = ProfileLineKind::Blank;
    std::string_view name;   // section name or key, trimmed
    std::string_view value;  // an entry's value, trimmed, quotes kept
};

// Classifies a line (UTF-8 text without its line break).
ProfileLineParts ParseProfileLine(std::string_view line);

// Names compare without regard to ASCII case.
bool SameProfileName(std::string_view a, std::string_view b);

// A value of two or more characters that starts and ends with the same quote (" or ') loses
// that one outer pair.
std::string_view StripOuterQuotes(std::string_view value);
