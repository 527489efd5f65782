#pragma once
// The About box of pimmo and house: the program's icon, product name and version text, taken
// from the running program's own resources; house also shows it as its splash at start.
#include <windows.h>

// The modal About box, owned by owner, until the user closes it.
void ShowAboutBox(HINSTANCE instance, HWND owner);

// The same box without a title bar as a splash: shown at once, it closes itself after
// milliseconds and returns then.
void ShowSplash(HINSTANCE instance, UINT milliseconds);
