#include "widget/core/DecodeScale.h"

namespace {

// The scales the JPEG decoder offers, smallest first.
constexpr int kDivisors[] = {8, 4, 2};

int DividedUp(int side, int divisor) {
    return (side + divisor - 1) / divisor;
}

}  // namespace

std::optional<PixelSize> ChooseDecodeSize(PixelSize stored, PixelSize target) {
    if (target.width < 1 || target.height < 1)
        return std::nullopt;
    for (int divisor : kDivisors) {
        PixelSize scaled{DividedUp(stored.width, divisor), DividedUp(stored.height, divisor)};
        if (IsUsableDecodeSize(scaled, stored, target))
            return scaled;
    }
    return std::nullopt;
}

bool IsUsableDecodeSize(PixelSize offered, PixelSize stored, PixelSize target) {
    bool reaches = offered.width >= target.width && offered.height >= target.height;
    bool smaller = offered.width <= stored.width && offered.height <= stored.height && !(offered == stored);
    return reaches && smaller;
}
