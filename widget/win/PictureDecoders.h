#pragma once
// The file extensions of the decoders the imaging component has installed (one text per
// decoder, ".tiff,.tif"), for the widget's list of picture kinds (PictureTypes.h).
#include <optional>
#include <string>
#include <vector>

#include "widget/core/ExifReader.h"

std::vector<std::string> InstalledDecoderExtensions();

// The Exif date taken of a picture the widget's own reader does not reach (HEIC, WebP, AVIF...),
// through the imaging component's metadata reader; nullopt without one or without its decoder.
std::optional<LocalSeconds> MetadataDateTaken(const std::string& path);
