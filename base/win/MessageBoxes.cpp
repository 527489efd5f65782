#include "MessageBoxes.h"

#include "Unicode.h"

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), flags);
}
