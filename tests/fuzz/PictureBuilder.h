#pragma once
// Picture files made from fuzzer input with a known answer: headers that declare a chosen
// size behind arbitrary segments, and whole JPEG streams whose end is known.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "widget/core/PictureHeader.h"

struct BuiltPicture {
    std::string bytes;
    PictureFormat format = PictureFormat::Unknown;
    int64_t width = 0;  // as the header claims it, whether or not a loader could take it
    int64_t height = 0;
    Orientation orientation = kUpright;
};

// The first bytes of a JPEG, BMP (core or info header), PNG or GIF file up to and including
// the size, all of them present.
BuiltPicture BuildPictureHeader(FuzzedDataProvider& input);

// A whole JPEG stream: segments with any contents, one or more scans with stuffed bytes and
// restart markers, and the end-of-image marker as its last two bytes.
std::string BuildWholeJpeg(FuzzedDataProvider& input);

// A JPEG's first segments with an Exif date taken of the chosen fields (each 0..99, the year
// 0..9999), real or not, behind IFD entries and segments of any other kind.
struct DateFields {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
std::string BuildDatedJpeg(FuzzedDataProvider& input, DateFields& date);
