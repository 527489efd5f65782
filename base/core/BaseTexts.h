#pragma once
// The texts of the generic layer: the help viewer's, in both languages.
#include <string_view>

#include "base/core/Language.h"

enum class BaseText {
    HelpWordNotFound,  // {0}: the word searched for
    Count
};

std::string_view Text(BaseText id, Language language = UserLanguage());
