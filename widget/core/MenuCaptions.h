#pragma once
// The photo's context menu: its frame item and the button that opens it (the captions are
// in widget/core/PimmoTexts).
#include <cstdint>
#include <string>

// The frame item offers the other window: with the borderless window current (0) the bordered
// one, with any other value the borderless one.
std::string BorderlessCaption(int16_t currentBorder);

// Only the right button alone (code 2) opens the menu; the middle button and left-and-right
// presses do not.
bool OpensContextMenu(int16_t button);
