#include "base/win/LanguageResource.h"

WORD ResourceLanguage(Language language) {
    return language == Language::English ? MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)
                                         : MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
}

HRSRC FindLanguageResource(HINSTANCE instance, LPCWSTR type, LPCWSTR name) {
    if (HRSRC found = FindResourceExW(instance, type, name, ResourceLanguage(UserLanguage())))
        return found;
    return FindResourceW(instance, name, type);
}

std::wstring LoadLanguageString(HINSTANCE instance, UINT id) {
    // A string table block holds strings 16 at a time, each a length and its UTF-16 text.
    HRSRC block = FindLanguageResource(instance, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1));
    const auto* text = block ? static_cast<const wchar_t*>(LockResource(LoadResource(instance, block))) : nullptr;
    if (text == nullptr)
        return {};
    for (UINT i = 0; i < id % 16; ++i)
        text += 1 + static_cast<WORD>(*text);
    return std::wstring(text + 1, static_cast<WORD>(*text));
}
