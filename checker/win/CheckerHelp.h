#pragma once
// The checker's help: the program file with the extension HLP, shown in the help viewer.
#include <windows.h>

namespace Pruvo {

// Opens the help file in the viewer, owned by the window; a missing or unreadable file is
// reported in a message box instead.
void ShowHelpFile(HINSTANCE instance, HWND owner);

}  // namespace Pruvo
