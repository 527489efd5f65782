#pragma once
// The profile module's face for the per-user file name; reads and writes name their file and
// section themselves (ProfileAccess, ProfileSectionAccess, ProfileTransaction). All strings
// are UTF-8.
#include <string>

namespace IniFileRelatedLibrary {

// <profile folder>\<user name>.<extension>; <defaultName>.<extension> when the user name
// cannot be read.
std::string ProfileFilePath(const std::string& defaultName, const std::string& extension);

}  // namespace IniFileRelatedLibrary
