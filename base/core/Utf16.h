#pragma once
// UTF-8 <-> UTF-16 without the platform, so that UTF-16LE profile files can be handled and
// tested on every build. Ill-formed input becomes U+FFFD instead of failing.
#include <string>
#include <string_view>

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// The code point that starts at utf8[pos] and the number of bytes it takes (at least 1).
struct Utf8Char {
    char32_t codePoint;
    size_t length;
};
Utf8Char DecodeUtf8At(std::string_view utf8, size_t pos);
