#pragma once
// UTF-8 inside the checker, UTF-16 at every Win32 call.
#include <string>
#include <string_view>

namespace pruvo {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Text in the system's ANSI code page (a help file written by a Japanese editor) as UTF-8.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace pruvo
