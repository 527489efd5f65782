#pragma once
// Choosing the setting's picture in the open-file dialog.
#include <windows.h>

#include <string>

// Lets the user pick a BMP or JPEG file starting in the current picture's folder; a new path
// becomes the setting's picture with a stale cache. In every case, cancelled too, the setting
// is then saved with the current window's frame and place. Does not load the picture.
void ChoosePicture(HWND owner);

// The dialog of the picture chooser: "Pimmoの写真" files (*.bmp;*.jpg), opened in the folder of
// currentPicture (the dialog's own choice when there is none). The chosen path, or empty.
std::string ChoosePictureFile(HWND owner, const std::string& currentPicture);
