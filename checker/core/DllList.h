#pragma once
// A runtime's DLL list as the profile writes it: file names separated by commas.
#include <string>
#include <string_view>
#include <vector>

namespace Pruvo {

// Splits a DLL list into its names, each trimmed of blanks at both ends. A trailing comma adds
// nothing, two commas in a row give one empty name, and an empty list gives no names.
std::vector<std::string> SplitDllList(std::string_view list);

// Removes blanks (spaces and control white space) from the start, the end, or both.
std::string_view TrimLeftBlanks(std::string_view text);
std::string_view TrimBlanks(std::string_view text);

}  // namespace Pruvo
