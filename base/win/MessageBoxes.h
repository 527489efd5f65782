#pragma once
// The one place where pimmo and house show a message box: fixed texts, the program's caption.
#include <windows.h>

#include <string>

// Shows a modal message box and returns the pressed button (IDOK, ...).
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);
