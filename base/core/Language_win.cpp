#include <windows.h>

#include "base/core/Language.h"

Language UserLanguage() {
    // The display language cannot change while a program runs (Windows asks to sign out).
    static const Language language = LanguageOfUiLanguage(GetUserDefaultUILanguage());
    return language;
}
