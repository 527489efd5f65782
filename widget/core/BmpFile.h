#pragma once
// The scaled-picture cache is a plain Windows bitmap file: 24 bits per pixel, rows bottom-up
// and padded to 4 bytes, the form every picture reader takes.
#include <string>

#include "PixelImage.h"

std::string EncodeBmp24(const PixelImage& image);
