#include "AboutBox.h"

#include "MessageBox.h"

// Placeholder until the box itself is built: the product's title in a message box.
void ShowAboutBox(HINSTANCE, HWND owner) {
    ShowMessage(owner, ProgramTitle(), MB_OK);
}

void ShowSplash(HINSTANCE, UINT milliseconds) {
    Sleep(milliseconds);
}
