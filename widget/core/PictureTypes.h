#pragma once
// The kinds of picture the widget shows, one list for the drop on the photo, the open-file
// dialog's filter and the folder scan: BMP, JPEG (".jpg" or ".jpeg") and PNG, in any case.
#include <string>
#include <string_view>

bool IsPictureName(std::string_view name);
bool IsJpegName(std::string_view name);
// The open-file dialog's pattern of every picture kind: "*.bmp;*.jpg;*.jpeg;*.png".
std::string PicturePattern();
