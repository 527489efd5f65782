#pragma once
// UTF-8 inside, UTF-16 at every Win32 call, and the system's ANSI code page where a file written
// by a Japanese editor comes in. Windows only: wchar_t is 32-bit on Linux.
#include <string>
#include <string_view>

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Text in the system's ANSI code page as UTF-8; bytes that form no character become U+FFFD.
std::string AnsiToUtf8(std::string_view ansi);
