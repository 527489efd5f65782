#pragma once
// Shows one of house's message boxes, given as data by the manager's logic.
#include <windows.h>

#include "HouseMessages.h"

namespace PimmoHouseModule {

// Shows the box modally; true only when a Yes/No box was answered Yes.
bool ShowHouseMessage(HWND owner, const HouseMessage& message);

}  // namespace PimmoHouseModule
