#pragma once
// The one call that sets a window's stacking order.
#include <windows.h>

#include "widget/core/PhotoWindowKinds.h"

namespace APICall {

// Shows the window, without moving or resizing it, in the stacking order (at the bottom
// without activating it).
// Returns what SetWindowPos returns (non-zero on success).
BOOL SetWindowZOrder(HWND window, Stacking stacking);

}  // namespace APICall
