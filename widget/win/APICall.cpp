#include "widget/win/APICall.h"

namespace APICall {

BOOL SetWindowZOrder(HWND window, Stacking stacking) {
    constexpr UINT kShowInPlace = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;
    switch (stacking) {
        case Stacking::Normal:
            return SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kShowInPlace);
        case Stacking::OnTop:
            return SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kShowInPlace);
        case Stacking::Bottom:
            break;
    }
    return SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, kShowInPlace | SWP_NOACTIVATE);
}

}  // namespace APICall
