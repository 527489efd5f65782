#include "checker/core/CheckerColumns.h"

#include <algorithm>

namespace Pruvo {

std::array<int, 2> MainColumnWidths(int clientWidth) {
    // A list not laid out yet may report no width; never hand out negative widths.
    const int width = std::max(clientWidth, 0);
    const int first = width * 65 / 100;
    return {first, width - first};
}

std::array<int, 3> DetailsColumnWidths(int clientWidth) {
    const int width = std::max(clientWidth, 0);
    const int first = width / 4;
    const int second = width / 2;
    return {first, second, width - first - second};
}

}  // namespace Pruvo
