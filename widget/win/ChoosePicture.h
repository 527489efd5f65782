#pragma once
// Choosing the setting's picture in the open-file dialog.
#include <windows.h>

#include <string>

// The dialog of the picture chooser: "Pimmoの写真" files (every picture kind the widget shows), opened in the folder of
// currentPicture (the dialog's own choice when there is none). The chosen path, or empty.
std::string ChoosePictureFile(HWND owner, const std::string& currentPicture);
