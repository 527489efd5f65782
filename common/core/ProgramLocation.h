#pragma once
// Where the profile and cache files go. UTF-8; on Windows the paths are in Windows form.
#include <string>

#include "base/core/ProgramPath.h"

// ProgramFolder() when files can be created there; otherwise the per-user %APPDATA%\Pimmo,
// created when missing. Decided once per process.
std::string ProfileFolder();

// The rule behind ProfileFolder(): the program folder when files can be created there (or no
// per-user folder is known), otherwise <appDataFolder>\Pimmo.
std::string ChooseProfileFolder(const std::string& programFolder,
                                bool canCreateFiles,
                                const std::string& appDataFolder);
