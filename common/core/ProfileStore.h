#pragma once
// Reads and read-modify-writes of a profile file, safe across processes.
#include <functional>
#include <string>

#include "common/core/ProfileFileSystem.h"

// The file's bytes, read under a shared lock (without one when the lock cannot be had, for
// example in a folder that cannot be written).
ProfileFileContent ReadProfileFile(const std::string& path);

// Holds the exclusive lock over the whole read-modify-write: edit receives the current bytes
// (empty for a missing file) and returns the new ones, which replace the file atomically
// unless they are the same.
// False when the lock, the read or the write failed; the file is then unchanged.
bool UpdateProfileFile(const std::string& path, const std::function<std::string(const std::string&)>& edit);
