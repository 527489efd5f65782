#include "widget/core/MenuCaptions.h"

std::string BorderlessCaption(int16_t currentBorder) {
    return currentBorder == 0 ? "ふちのあるウィンドウにする" : "ふちのないウィンドウにする";
}

bool OpensContextMenu(int16_t button) {
    return button == 2;
}
