#include "widget/core/MonitorPlacement.h"

#include <algorithm>
#include <cstdint>

namespace {

struct Span {
    int64_t low;
    int64_t high;  // exclusive
};

Span Horizontal(const PixelRect& rect) {
    return {rect.left, int64_t{rect.left} + std::max(rect.width, 1)};
}
Span Vertical(const PixelRect& rect) {
    return {rect.top, int64_t{rect.top} + std::max(rect.height, 1)};
}

// The length two spans share, 0 when they are apart.
int64_t Shared(Span a, Span b) {
    return std::max<int64_t>(0, std::min(a.high, b.high) - std::max(a.low, b.low));
}
// The gap between two spans, 0 when they touch or overlap.
int64_t Gap(Span a, Span b) {
    return std::max<int64_t>({0, b.low - a.high, a.low - b.high});
}

bool IsEmpty(const PixelRect& area) {
    return area.width <= 0 || area.height <= 0;
}

int64_t Overlap(const PixelRect& window, const PixelRect& area) {
    return Shared(Horizontal(window), Horizontal(area)) * Shared(Vertical(window), Vertical(area));
}

// In double: gaps near the 32-bit limits would overflow a 64-bit sum of squares.
double SquaredDistance(const PixelRect& window, const PixelRect& area) {
    double dx = static_cast<double>(Gap(Horizontal(window), Horizontal(area)));
    double dy = static_cast<double>(Gap(Vertical(window), Vertical(area)));
    return dx * dx + dy * dy;
}

}  // namespace

bool IsOnAnyArea(const PixelRect& window, const std::vector<PixelRect>& workAreas) {
    return std::any_of(workAreas.begin(), workAreas.end(),
                       [&](const PixelRect& area) { return !IsEmpty(area) && Overlap(window, area) > 0; });
}

std::optional<size_t> NearestAreaIndex(const PixelRect& window, const std::vector<PixelRect>& areas) {
    std::optional<size_t> nearest;
    int64_t bestOverlap = 0;
    double bestDistance = 0;
    for (size_t i = 0; i < areas.size(); ++i) {
        if (IsEmpty(areas[i]))
            continue;
        int64_t overlap = Overlap(window, areas[i]);
        double distance = SquaredDistance(window, areas[i]);
        bool better =
            !nearest || overlap > bestOverlap || (overlap == 0 && bestOverlap == 0 && distance < bestDistance);
        if (better) {
            nearest = i;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return nearest;
}

std::optional<PixelRect> NearestArea(const PixelRect& window, const std::vector<PixelRect>& workAreas) {
    std::optional<size_t> nearest = NearestAreaIndex(window, workAreas);
    return nearest ? std::optional<PixelRect>(workAreas[*nearest]) : std::nullopt;
}

PixelRect KeepOnMonitors(const PixelRect& window, const std::vector<PixelRect>& workAreas) {
    return KeepOnMonitors(window, workAreas, workAreas);
}

PixelRect KeepOnMonitors(const PixelRect& window,
                         const std::vector<PixelRect>& screens,
                         const std::vector<PixelRect>& workAreas) {
    if (IsOnAnyArea(window, screens))
        return window;
    std::optional<size_t> nearest = NearestAreaIndex(window, screens);
    return nearest && *nearest < workAreas.size() ? MoveIntoArea(window, workAreas[*nearest]) : window;
}
