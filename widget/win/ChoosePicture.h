#pragma once
// Choosing the setting's picture in the open-file dialog.
#include <windows.h>

#include <string>

#include "SettingRecord.h"

// Lets the user pick a BMP or JPEG file starting in the current picture's folder; a new path
// becomes the setting's picture with a stale cache. Whether the user chose or cancelled, the
// caller then saves the setting with the current window's frame and place. Does not load the
// picture.
void ChoosePicture(HWND owner, SettingRecord& setting);

// The dialog of the picture chooser: "Pimmoの写真" files (*.bmp;*.jpg), opened in the folder of
// currentPicture (the dialog's own choice when there is none). The chosen path, or empty.
std::string ChoosePictureFile(HWND owner, const std::string& currentPicture);
