#include <windows.h>

#include <commctrl.h>

#include "base/win/CommonControls.h"

void EnsureCommonControls() {
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    (void)loaded;
}
