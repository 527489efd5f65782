#pragma once
// The programs carry their dialogs and strings in Japanese and in English (United States);
// these load the one of the language the programs speak, whatever language Windows would
// pick by itself (a German Windows, say, gets the English ones).
#include <windows.h>

#include <string>

#include "base/core/Language.h"

WORD ResourceLanguage(Language language);

// The resource of the user's language, or the system's own choice when there is none.
HRSRC FindLanguageResource(HINSTANCE instance, LPCWSTR type, LPCWSTR name);

// String id of the string table in the user's language; empty when there is none.
std::wstring LoadLanguageString(HINSTANCE instance, UINT id);
