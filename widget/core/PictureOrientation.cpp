#include "widget/core/PictureOrientation.h"

#include <cstring>
#include <utility>

bool SwapsSides(Orientation orientation) {
    return orientation >= 5 && orientation <= 8;
}

PixelSize OrientedSize(PixelSize stored, Orientation orientation) {
    return SwapsSides(orientation) ? PixelSize{stored.height, stored.width} : stored;
}

namespace {

// The stored pixel shown at (x, y) of the upright picture, for a stored picture w x h.
std::pair<int, int> StoredPosition(int x, int y, int w, int h, Orientation orientation) {
    switch (orientation) {
        case 2:
            return {w - 1 - x, y};
        case 3:
            return {w - 1 - x, h - 1 - y};
        case 4:
            return {x, h - 1 - y};
        case 5:
            return {y, x};
        case 6:
            return {y, h - 1 - x};
        case 7:
            return {w - 1 - y, h - 1 - x};
        case 8:
            return {w - 1 - y, x};
        default:
            return {x, y};
    }
}

}  // namespace

PixelImage Orient(PixelImage stored, Orientation orientation) {
    if (orientation < 2 || orientation > 8)
        return stored;
    PixelSize size = OrientedSize({stored.width, stored.height}, orientation);
    PixelImage shown = MakePixelImage(size.width, size.height);
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            auto [sx, sy] = StoredPosition(x, y, stored.width, stored.height, orientation);
            std::memcpy(shown.Pixel(x, y), stored.Pixel(sx, sy), PixelImage::kBytesPerPixel);
        }
    }
    return shown;
}
