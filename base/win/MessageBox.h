#pragma once
// The one place where the programs show a message box: fixed texts, captioned with the
// program's title.
#include <windows.h>

#include <string>
#include <string_view>

// The caption of every message box; the program file's base name until the program sets its
// own ("Pimmo for Windows", "Pimmoハウス").
void SetProgramTitle(std::string title);
const std::string& ProgramTitle();

// Shows a modal message box and returns the pressed button (IDOK, ...).
int ShowMessage(HWND owner, std::string_view text, UINT flags);
