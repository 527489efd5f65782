#pragma once
// The orientation that phones and cameras write into a JPEG's Exif data: how the stored
// pixels must be turned to show the scene upright.
#include <cstddef>
#include <cstdint>

#include "widget/core/PhotoScaling.h"
#include "widget/core/PixelImage.h"

// 1 upright, 2 mirrored left-right, 3 turned half round, 4 mirrored top-bottom, 5 mirrored
// along the main diagonal, 6 to be turned a quarter clockwise, 7 mirrored along the other
// diagonal, 8 to be turned a quarter anticlockwise.
using Orientation = int;
inline constexpr Orientation kUpright = 1;

// True for the orientations that swap width and height.
bool SwapsSides(Orientation orientation);
PixelSize OrientedSize(PixelSize stored, Orientation orientation);
// The picture as it is to be shown (the same buffer when upright).
PixelImage Orient(PixelImage stored, Orientation orientation);
