#pragma once
// The scaled photo on a screen of any DPI. PictureSize counts pixels at 96 DPI, so on a
// 150 % screen a photo of size 160 is scaled to 240 device pixels and looks the same size.
// A picture shown at its natural size keeps its pixels at every DPI. The scaled-picture cache
// is made for one DPI and taken only at that DPI; it records its DPI in its bitmap header.
#include <cstdint>
#include <optional>

#include "widget/core/PhotoScaling.h"

inline constexpr int kBaseDpi = 96;

// The DPI used for a reported value: one at or below 0 (no value) counts as 96.
int EffectiveDpi(int dpi);

// The photo's size in device pixels: the source as it is when isStretched is 0; otherwise the
// chosen side scaled to round(pictureSize x dpi / 96) and the other side in
// proportion, by the rules of ScaledPictureSize (at 96 DPI the two agree exactly). nullopt
// when a side is empty or does not fit 16 bits, the load failure of a too large target.
std::optional<PixelSize> PhotoTargetSize(PixelSize source,
                                         int16_t isStretched,
                                         int16_t pictureSize,
                                         ScaleSide side,
                                         int dpi);

// ChoosePhotoSource, with the cache taken only for the DPI it was made for: a cache made at
// another DPI is scaled anew (and rewritten for this DPI). cacheDpi is the DPI the cache file
// records (CacheBmpDpi); nullopt when its header could not be read, which leaves the choice as
// it was, so that a missing cache file still shows the empty photo until the flag is cleared.
PhotoSource ChoosePhotoSourceAt(int16_t isStretched, int16_t isStretchBmpCashed, std::optional<int> cacheDpi, int dpi);
