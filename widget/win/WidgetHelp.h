#pragma once
// The widget's help: topic 0 of pimmo.hlp beside the program, in the help viewer.
#include <windows.h>

inline constexpr int kWidgetHelpContext = 0;

// Shows the topic modally, owned by owner; a missing or unreadable help file is reported in a
// message naming the file, and the widget goes on.
void ShowWidgetHelp(HINSTANCE instance, HWND owner);
