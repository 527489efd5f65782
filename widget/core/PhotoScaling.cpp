#include "widget/core/PhotoScaling.h"

#include "common/core/Conversions.h"

PhotoSource ChoosePhotoSource(int16_t isStretched, int16_t isStretchBmpCashed) {
    if (isStretched == 0)
        return PhotoSource::NaturalSize;
    return isStretchBmpCashed == 1 ? PhotoSource::Cache : PhotoSource::Scale;
}

ScaleSide ScaleSideOf(int16_t stretchMode) {
    switch (stretchMode) {
        case 0:
            return ScaleSide::Width;
        case 1:
            return ScaleSide::Height;
        default:
            return ScaleSide::Longer;
    }
}

std::optional<PixelSize> ScaledPictureSize(int width, int height, int16_t size, ScaleSide side) {
    auto w = RoundToInt16(width);
    auto h = RoundToInt16(height);
    if (!w || !h)
        return std::nullopt;
    const bool byHeight = side == ScaleSide::Height || (side == ScaleSide::Longer && *w < *h);
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
