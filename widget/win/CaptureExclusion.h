#pragma once
// "画面の共有や録画に写さない": the photo windows asked to stay out of screen captures,
// shares and recordings (WDA_EXCLUDEFROMCAPTURE, Windows 10 version 2004 and later).
#include <windows.h>

// Whether this Windows leaves a window out of captures on request.
bool CanExcludeFromCapture();
// Asks Windows to leave the window out of captures (hidden) or to show it again. A window
// never asked keeps Windows' default: nothing is called for a setting without the option.
using SetDisplayAffinityFunction = BOOL(WINAPI*)(HWND, DWORD);
void KeepOutOfCaptures(HWND window,
                       bool hidden,
                       bool available = CanExcludeFromCapture(),
                       SetDisplayAffinityFunction set = SetWindowDisplayAffinity);
// The options dialog's check box, greyed with a tooltip saying why where Windows cannot do it.
void OfferCaptureExclusion(HWND dialog, int checkBoxId);
