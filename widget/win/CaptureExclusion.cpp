#include "widget/win/CaptureExclusion.h"

#include <commctrl.h>

#include "base/core/Unicode.h"
#include "base/win/CommonControls.h"
#include "base/win/SystemLibrary.h"
#include "widget/core/PimmoTexts.h"

namespace {

// Not in older SDK headers: WDA_EXCLUDEFROMCAPTURE of Windows 10 version 2004 (build 19041).
constexpr DWORD kExcludeFromCapture = 0x00000011;
constexpr DWORD kFirstBuildExcluding = 19041;

using RtlGetVersionFunction = LONG WINAPI(OSVERSIONINFOW*);

}  // namespace

bool CanExcludeFromCapture() {
    // GetVersionEx reports what the manifest declares; the kernel's own number is the real one.
    static const bool available = [] {
        auto* getVersion = SystemFunction<RtlGetVersionFunction>(L"ntdll.dll", "RtlGetVersion");
        OSVERSIONINFOW version{};
        version.dwOSVersionInfoSize = sizeof version;
        if (!getVersion || getVersion(&version) != 0)
            return false;
        return version.dwMajorVersion > 10 ||
               (version.dwMajorVersion == 10 && version.dwBuildNumber >= kFirstBuildExcluding);
    }();
    return available;
}

void KeepOutOfCaptures(HWND window, bool hidden, bool available, SetDisplayAffinityFunction set) {
    if (!window || !available)
        return;
    DWORD current = WDA_NONE;
    if (!hidden && (!GetWindowDisplayAffinity(window, &current) || current == WDA_NONE))
        return;
    set(window, hidden ? kExcludeFromCapture : WDA_NONE);
}

void OfferCaptureExclusion(HWND dialog, int checkBoxId) {
    if (CanExcludeFromCapture())
        return;
    HWND box = GetDlgItem(dialog, checkBoxId);
    EnableWindow(box, FALSE);
    // A disabled control gets no mouse messages: the dialog's tooltip covers its rectangle.
    EnsureCommonControls();
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                                   reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)), nullptr);
    if (!tooltip)
        return;
    static std::wstring text;
    text = Widen(Text(PimmoText::CaptureUnavailable));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = static_cast<UINT_PTR>(checkBoxId);
    GetWindowRect(box, &tool.rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&tool.rect), 2);
    tool.lpszText = text.data();
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, 400);
}
