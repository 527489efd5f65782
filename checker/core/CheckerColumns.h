#pragma once
// Column widths of the two runtime lists, in pixels, from the list's client width.
#include <array>

namespace Pruvo {

// Runtime name takes 65 % of the width, the status the rest.
std::array<int, 2> MainColumnWidths(int clientWidth);

// DLL name a quarter, path a half, version the rest.
std::array<int, 3> DetailsColumnWidths(int clientWidth);

}  // namespace Pruvo
