#include "widget/core/PhotoGeometry.h"

#include <algorithm>

#include "common/core/Conversions.h"

FrameMetrics MeasureFrame(int outerWidth, int outerHeight, int innerWidth, int innerHeight) {
    int border = (outerWidth - innerWidth) / 2;
    return {border, outerHeight - innerHeight - border};
}

PixelRect BorderedAround(const PixelRect& borderless, const FrameMetrics& frame, int minLeft, int minTop) {
    PixelRect bordered{borderless.left - frame.border, borderless.top - frame.caption,
                       borderless.width + 2 * frame.border, borderless.height + frame.caption + frame.border};
    bordered.top = std::max(bordered.top, minTop);
    bordered.left = std::max(bordered.left, minLeft);
    return bordered;
}

PixelRect BorderlessInside(const PixelRect& bordered, const FrameMetrics& frame) {
    return {bordered.left + frame.border, bordered.top + frame.caption, bordered.width - 2 * frame.border,
            bordered.height - frame.caption - frame.border};
}

PixelRect MoveIntoArea(const PixelRect& window, const PixelRect& area) {
    PixelRect moved = window;
    moved.left = std::max(std::min(window.left, area.left + area.width - window.width), area.left);
    moved.top = std::max(std::min(window.top, area.top + area.height - window.height), area.top);
    return moved;
}

double TwipsPerPixel(int dpi) {
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

int TwipsToPixels(int32_t twips, double twipsPerPixel) {
    return RoundToInt32(twips / twipsPerPixel).value_or(twips < 0 ? INT32_MIN : INT32_MAX);
}

std::optional<int32_t> PixelsToTwips(int pixels, double twipsPerPixel) {
    return RoundToInt32(pixels * twipsPerPixel);
}
