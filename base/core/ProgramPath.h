#pragma once
// Where the running program file lives. UTF-8; on Windows the paths are in Windows form.
#include <string>
#include <string_view>

// The full path of the running program file.
std::string ProgramPath();
// Its folder, without a trailing separator.
std::string ProgramFolder();
// Its base name: the file name without extension ("pimmo" for C:\Pimmo\pimmo.exe).
std::string ProgramBaseName();

// The parts of a path, split at the last '\' or '/'.
std::string_view FolderOf(std::string_view path);
std::string_view FileNameOf(std::string_view path);
// The file name without its extension (the part from the last dot on).
std::string_view BaseNameOf(std::string_view path);
// The path with its extension replaced ("C:\x\pruvo.exe", "hlp" gives "C:\x\pruvo.hlp").
std::string WithExtension(std::string_view path, std::string_view extension);

// folder + name with exactly one separator between them: '/' after a POSIX folder (one that
// starts with '/'), otherwise '\\'.
std::string JoinPath(std::string_view folder, std::string_view name);
