#pragma once
// The texts of the generic layer: the help viewer's and its launcher's, in both languages.
#include <string_view>

#include "base/core/Language.h"

enum class BaseText {
    HelpWordNotFound,  // {0}: the word searched for
    // The one help launcher's.
    HelpMissing,
    HelpUnreadable,  // as pimmo and house word it
    HelpCaption,     // {0}: the program's title
    Count
};

std::string_view Text(BaseText id, Language language = UserLanguage());
