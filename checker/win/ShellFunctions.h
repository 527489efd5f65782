#pragma once
// The common controls and the shell for the checker, taken from the system folder at their
// first use (base/win/SystemLibrary): pruvo's import table names neither.
#include <windows.h>

#include <string>

namespace Pruvo {

// Loads the common controls (version 6 through the program's manifest) and registers the list
// view class. Returns false when the controls are not available.
bool InitListViewControls();

// ShellExecuteW("open") of shell32: opens a document, program or web address.
void ShellOpen(HWND owner, const std::string& file, int showCommand);

}  // namespace Pruvo
