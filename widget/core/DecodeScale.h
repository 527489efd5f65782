#pragma once
// The size at which a decoder that scales while it decodes (the JPEG decoder: a half, a quarter
// or an eighth of the stored picture, in the compressed data itself) is asked to decode. Far less
// time and memory than decoding the whole picture, and the resampler still averages every shown
// pixel from at least one decoded pixel, so the photo looks the same.
#include <optional>

#include "widget/core/PhotoScaling.h"

// The smallest of the stored picture's half, quarter and eighth (each side rounded up) whose
// sides both reach target's; both sizes as stored, before any turn. nullopt when only the whole
// picture reaches the target.
std::optional<PixelSize> ChooseDecodeSize(PixelSize stored, PixelSize target);

// Whether a size a decoder offers for the one asked is worth taking: it reaches the target on
// both sides and is smaller than the stored picture.
bool IsUsableDecodeSize(PixelSize offered, PixelSize stored, PixelSize target);
