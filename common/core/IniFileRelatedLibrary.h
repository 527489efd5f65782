#pragma once
// The profile module's four operations as a thin face over the profile engine. Nothing is
// remembered between calls: SelectProfile names a file and a section as a value, and every
// read and write is given that value. All strings are UTF-8.
#include <cstdint>
#include <string>

namespace IniFileRelatedLibrary {

// <profile folder>\<user name>.<extension>; <defaultName>.<extension> when the user name
// cannot be read.
std::string ProfileFilePath(const std::string& defaultName, const std::string& extension);

struct ProfileSelection {
    std::string file;
    std::string section;
};

// The file and section a read or write names. An empty fileName names
// <profile folder>\<program name>.ini, an empty sectionName the program name.
ProfileSelection SelectProfile(const std::string& fileName, const std::string& sectionName);

// The key's value in the section, or defaultValue when the file, section or key is absent. An
// empty value is returned as the empty string, not the default.
std::string ReadProfileValue(const ProfileSelection& selection,
                             const std::string& key,
                             const std::string& defaultValue);

// Writes the key (creating file and section as needed); non-zero on success.
int32_t WriteProfileValue(const ProfileSelection& selection, const std::string& key, const std::string& value);

}  // namespace IniFileRelatedLibrary
