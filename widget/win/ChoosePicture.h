#pragma once
// Choosing the setting's picture in the open-file dialog.
#include <windows.h>

// Lets the user pick a BMP or JPEG file starting in the current picture's folder; a new path
// becomes the setting's picture with a stale cache. In every case, cancelled too, the setting
// is then saved with the current window's frame and place. Does not load the picture.
void ChoosePicture(HWND owner);
