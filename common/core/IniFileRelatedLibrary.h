#pragma once
// The only way pimmo and house touch the per-user profile file: select a file and section,
// then read and write single keys. All strings are UTF-8.
#include <cstdint>
#include <string>

namespace IniFileRelatedLibrary {

// <profile folder>\<user name>.<extension>; <defaultName>.<extension> when the user name
// cannot be read.
std::string ProfileFilePath(const std::string& defaultName, const std::string& extension);

// The file and section later reads and writes use. An empty fileName selects
// <profile folder>\<program name>.ini, an empty sectionName the program name.
void SelectProfile(const std::string& fileName, const std::string& sectionName);

// The key's value in the selected section, or defaultValue when the file, section or key is
// absent. An empty value is returned as the empty string, not the default.
std::string ReadProfileValue(const std::string& key, const std::string& defaultValue);

// Writes the key (creating file and section as needed); non-zero on success.
int32_t WriteProfileValue(const std::string& key, const std::string& value);

}  // namespace IniFileRelatedLibrary
