#pragma once
// The photo's context menu.
#include <cstdint>

// Pops up the menu at the mouse for the right button (code 2); any other button code does
// nothing. (The menu's commands arrive with the menu itself; until then nothing pops up.)
void ShowContextMenu(int16_t button);
