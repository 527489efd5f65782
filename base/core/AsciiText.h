#pragma once
// The few text operations that look at ASCII only: blanks (space and tab, as the profile
// files and command lines have them) and letter case. Bytes of other characters pass through.
#include <string>
#include <string_view>

bool IsBlank(char c);
// The text without blanks at either end.
std::string_view TrimBlanks(std::string_view text);

char LowerAscii(char c);
std::string UpperAscii(std::string_view text);
