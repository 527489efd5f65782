#pragma once
// The only way pimmo and house touch the per-user profile file: select a file and section,
// then read and write single keys, or the whole section in one transaction. All strings are
// UTF-8.
#include <cstdint>
#include <string>

#include "ProfileSectionAccess.h"

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

// Writes the keys in order to the selected section under one lock with one replacement of the
// file: the same bytes as WriteProfileValue key by key, but no other process ever sees some of
// them written and others not. All or nothing; non-zero on success.
int32_t WriteProfileValues(const ProfileSectionValues& values);

// Every key and value of the selected section in file order, read under one lock; look a key
// up with ProfileSectionValue. Empty when the file or section is absent.
ProfileSectionValues ReadProfileSection();

// Reads the selected section and writes what decide returns from it, under one exclusive lock.
ProfileSectionUpdate UpdateProfileSection(const ProfileSectionDecision& decide);

}  // namespace IniFileRelatedLibrary
