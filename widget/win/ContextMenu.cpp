#include "ContextMenu.h"

void ShowContextMenu(int16_t) {}
