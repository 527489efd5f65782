#include "widget/core/PhotoScaling.h"

#include "common/core/Conversions.h"

PhotoSource ChoosePhotoSource(int16_t isStretched, int16_t isStretchBmpCashed) {
    if (isStretched == 0)
        return PhotoSource::NaturalSize;
    return isStretchBmpCashed == 1 ? PhotoSource::Cache : PhotoSource::Scale;
}

std::optional<PixelSize> ScaledPictureSize(int width, int height, int16_t size, int16_t stretchMode) {
    auto w = RoundToInt16(width);
    auto h = RoundToInt16(height);
    if (!w || !h)
        return std::nullopt;
    bool byHeight = stretchMode == 1 || (stretchMode != 0 && *w < *h);
    std::optional<int16_t> targetWidth, targetHeight;
    if (byHeight) {
        targetHeight = size;
        targetWidth = RoundToInt16(static_cast<double>(size) / *h * *w);
    } else {
        targetWidth = size;
        targetHeight = RoundToInt16(static_cast<double>(size) / *w * *h);
    }
    if (!targetWidth || !targetHeight || *targetWidth < 1 || *targetHeight < 1)
        return std::nullopt;
    return PixelSize{*targetWidth, *targetHeight};
}

bool IsAcceptedPictureSize(int64_t width, int64_t height, int64_t maxPixels) {
    return width >= 1 && height >= 1 && width <= 32767 && height <= 32767 && width * height <= maxPixels;
}
