#pragma once
// UTF-8 inside, UTF-16 at every Win32 call.
#include <string>
#include <string_view>

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
