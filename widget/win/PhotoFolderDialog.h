#pragma once
// Choosing the setting's photo folder in the system's folder picker.
#include <windows.h>

#include <string>

// The picker, opened at currentFolder (the system's own choice when empty). The chosen folder's
// full path, or empty when cancelled or when the picker cannot be shown.
std::string ChoosePictureFolder(HWND owner, const std::string& currentFolder);
