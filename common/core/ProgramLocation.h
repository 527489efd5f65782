#pragma once
// Where the running program lives and where its profile and cache files go. UTF-8; on Windows
// the paths are in Windows form.
#include <string>

// The folder of the running program file, without a trailing separator.
std::string ProgramFolder();

// The program's file name without extension, e.g. "pimmo".
std::string ProgramBaseName();

// ProgramFolder() when files can be created there; otherwise the per-user %APPDATA%\Pimmo,
// created when missing. Decided once per process.
std::string ProfileFolder();

// The rule behind ProfileFolder(): the program folder when files can be created there (or no
// per-user folder is known), otherwise <appDataFolder>\Pimmo.
std::string ChooseProfileFolder(const std::string& programFolder,
                                bool canCreateFiles,
                                const std::string& appDataFolder);

// folder + the platform's separator + name.
std::string JoinPath(const std::string& folder, const std::string& name);
