#include "widget/core/PhotoDpi.h"

#include "common/core/Conversions.h"

int EffectiveDpi(int dpi) {
    return dpi > 0 ? dpi : kBaseDpi;
}

std::optional<PixelSize> PhotoTargetSize(PixelSize source,
                                         int16_t isStretched,
                                         int16_t pictureSize,
                                         ScaleSide side,
                                         int dpi) {
    if (isStretched == 0) {
        if (!IsAcceptedPictureSize(source.width, source.height, INT64_MAX))
            return std::nullopt;
        return source;
    }
    // The product is exact in double, so 96 DPI gives pictureSize itself.
    std::optional<int16_t> length = RoundToInt16(static_cast<double>(pictureSize) * EffectiveDpi(dpi) / kBaseDpi);
    if (!length)
        return std::nullopt;
    return ScaledPictureSize(source.width, source.height, *length, side);
}

PhotoSource ChoosePhotoSourceAt(int16_t isStretched, int16_t isStretchBmpCashed, std::optional<int> cacheDpi, int dpi) {
    PhotoSource source = ChoosePhotoSource(isStretched, isStretchBmpCashed);
    if (source == PhotoSource::Cache && cacheDpi && *cacheDpi != EffectiveDpi(dpi))
        return PhotoSource::Scale;
    return source;
}
