#include "widget/win/APICall.h"

namespace APICall {

BOOL SetWindowZOrder(HWND window, int16_t mode) {
    constexpr UINT kShowInPlace = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;
    switch (mode) {
        case 0:
            return SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kShowInPlace);
        case 1:
            return SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kShowInPlace);
        default:
            return SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, kShowInPlace | SWP_NOACTIVATE);
    }
}

}  // namespace APICall
