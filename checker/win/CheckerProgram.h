#pragma once
// Facts about this process: its program file, base name and current directory.
#include <string>

namespace pruvo {

std::wstring ProgramPath();
std::wstring CurrentDirectory();

// The program file's base name, the caption of every message box ("pruvo" for pruvo.exe).
std::string ProgramTitle();

}  // namespace pruvo
