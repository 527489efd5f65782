#pragma once
// Where the checker's runtimes come from: the profile's list sections, or, when the profile
// names none, the table of nine well-known runtimes carried in the string resources.
#include <windows.h>

#include <string>

#include "CheckerProfile.h"

namespace Pruvo {

struct RuntimeEntry {
    std::string name;     // display name
    std::string dllList;  // DLL names separated by commas
    std::string url;      // download page
};

inline constexpr int kBuiltinRuntimeCount = 9;

// Entry 1 to 9 of the built-in table; empty texts for any other number.
RuntimeEntry BuiltinRuntime(HINSTANCE instance, int index);

// Runtime i (1 to N) of the profile's sections "Runtimes", "Dlls" and "Urls".
RuntimeEntry ProfileRuntime(const Profile& profile, int index);

}  // namespace Pruvo
