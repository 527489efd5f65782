#pragma once
// The one call that sets a window's stacking order.
#include <windows.h>

#include <cstdint>

namespace APICall {

// Shows the window, without moving or resizing it, in the stacking order of the mode:
// 0 normal, 1 always on top, any other value at the bottom (there without activating it).
// Returns what SetWindowPos returns (non-zero on success).
BOOL SetWindowZOrder(HWND window, int16_t mode);

}  // namespace APICall
