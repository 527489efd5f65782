#pragma once
// The one place where the checker shows a message box: fixed texts, captioned with the
// program's base name.
#include <windows.h>

#include <string_view>

namespace pruvo {

int ShowMessage(HWND owner, std::string_view text, UINT flags);

}  // namespace pruvo
