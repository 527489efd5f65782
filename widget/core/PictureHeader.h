#pragma once
// What the first bytes of a picture file tell before any decoder runs: its format, the size
// its header declares and, for a JPEG from a phone or camera, its Exif orientation. The loader
// refuses a declared size it cannot hold before a decoder allocates for it.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "widget/core/PhotoScaling.h"
#include "widget/core/PictureOrientation.h"

enum class PictureFormat { Unknown, Jpeg, Bmp, Png, Gif };

struct PictureHeader {
    PictureFormat format = PictureFormat::Unknown;
    // The stored size (before orientation); nullopt when the header holds no valid size.
    std::optional<PixelSize> declared;
    Orientation orientation = kUpright;
    // An uncompressed bitmap's smallest file size that holds all its rows.
    std::optional<uint64_t> requiredFileSize;
    // False when the data ended before the size: more of the file is needed.
    bool complete = true;
};

// Reads the header from the first bytes of a file. A JPEG's segments are walked up to its
// frame header; an Exif orientation outside 1..8, damaged or cut off, counts as upright.
PictureHeader ReadPictureHeader(const uint8_t* data, size_t size);
