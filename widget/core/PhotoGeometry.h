#pragma once
// Geometry of the two photo windows. The profile stores twips (1/1440 inch); windows are moved
// in pixels, with twips per pixel = 1440 / system DPI. Since the conversion is linear, the
// frame arithmetic is done in whole pixels.
#include <cstdint>
#include <optional>

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// The bordered window's frame: side border B and caption height T (the caption bar with the
// top border), so that its outer size is its inner size + 2B wide and + T + B high.
struct FrameMetrics {
    int border = 0;
    int caption = 0;
    bool operator==(const FrameMetrics&) const = default;
};

FrameMetrics MeasureFrame(int outerWidth, int outerHeight, int innerWidth, int innerHeight);

// The bordered window around the borderless one, its left and top kept at or right/below
// (minLeft, minTop) so that the frame stays on the screen at those edges.
PixelRect BorderedAround(const PixelRect& borderless, const FrameMetrics& frame, int minLeft, int minTop);
// The borderless window over the inner area of the bordered one.
PixelRect BorderlessInside(const PixelRect& bordered, const FrameMetrics& frame);

// The window moved (not resized) to lie inside the area; one larger than the area keeps its
// left and top edges on the area's.
PixelRect MoveIntoArea(const PixelRect& window, const PixelRect& area);

double TwipsPerPixel(int dpi);
// Nearest pixel, halves to even.
int TwipsToPixels(int32_t twips, double twipsPerPixel);
// nullopt outside the 32-bit range.
std::optional<int32_t> PixelsToTwips(int pixels, double twipsPerPixel);
