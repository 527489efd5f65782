#pragma once
// Which picture the photo windows show: the picture file at its natural size, the scaled
// picture from the cache, or the picture file scaled now and stored in the cache.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "widget/core/ExifReader.h"
#include "widget/core/PhotoScaling.h"
#include "widget/core/PixelImage.h"

struct PhotoLoadRequest {
    std::string picturePath;
    int16_t isStretched = 0;
    int16_t isStretchBmpCashed = 0;
    int16_t pictureSize = 0;
    ScaleSide scaleSide = ScaleSide::Width;
    std::string cachePath;
    // The DPI of the window's monitor: the scaled photo and its cache are made for it.
    int dpi = 96;
    // Read the picture file's Exif date too where the file is read anyway (for one file; a
    // folder's photo has it from the index).
    bool readDateTaken = false;
};

struct PhotoLoadResult {
    // Empty on a load failure: the windows then show an empty photo.
    std::shared_ptr<const PixelImage> picture;
    // The cache flag afterwards: 1 once a scaled picture was written to the cache, 0 when
    // writing it failed; unchanged by the other paths and by a load failure.
    int16_t isStretchBmpCashed = 0;
    // When asked for and the picture file was read: the date it was taken, if its file tells.
    std::optional<LocalSeconds> dateTaken;
    bool dateRead = false;
};

// Never throws: any failure to read, decode, size or allocate is a load failure.
PhotoLoadResult LoadPhotoPicture(const PhotoLoadRequest& request);

// The Exif date in the head of a JPEG picture file; nothing for other kinds or a file that
// cannot be read.
std::optional<LocalSeconds> ReadPictureDateTaken(const std::string& path);
// The picture file at its natural size, upright.
std::optional<PixelImage> ReadPictureAtNaturalSize(const std::string& path);
// The picture file scaled by the setting's size and mode (the sides of the upright picture),
// for a screen of the given DPI.
std::optional<PixelImage> ReadPictureScaled(const std::string& path, int16_t pictureSize, ScaleSide side, int dpi = 96);
// The whole file, when it holds 1 to limit bytes and can be read; else empty.
std::string ReadWholeFile(const std::string& path, size_t limit);
// Writes the file as a whole: a new file in the same folder, then put in place of the old; a
// failure leaves the old one and no new file.
bool ReplaceWholeFile(const std::string& path, const std::string& bytes);
// The cache file: the project's own bitmap is read without the platform's decoders.
std::optional<PixelImage> ReadCacheFile(const std::string& path);
// Writes the cache file, made for dpi, as a whole: a new file in the same folder, then put in
// place of the old.
bool WriteCacheFile(const std::string& path, const PixelImage& picture, int dpi = 96);
