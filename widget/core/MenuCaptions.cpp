#include "widget/core/MenuCaptions.h"

#include "widget/core/PimmoTexts.h"

std::string BorderlessCaption(int16_t currentBorder) {
    return std::string(Text(currentBorder == 0 ? PimmoText::MenuShowFrame : PimmoText::MenuHideFrame));
}

bool OpensContextMenu(int16_t button) {
    return button == 2;
}
