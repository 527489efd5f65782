#pragma once
// The table of nine well-known runtimes carried in the string resources, shown when the
// profile names no runtimes.
#include <windows.h>

#include <vector>

#include "checker/core/RuntimeCheck.h"

namespace Pruvo {

inline constexpr int kBuiltinRuntimeCount = 9;

// Entry 1 to 9 of the built-in table; empty texts for any other number.
RuntimeEntry BuiltinRuntime(HINSTANCE instance, int index);

// Entries 1 to 9 in order.
std::vector<RuntimeEntry> BuiltinRuntimes(HINSTANCE instance);

}  // namespace Pruvo
