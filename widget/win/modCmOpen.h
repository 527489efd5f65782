#pragma once
// The one wrapper of the system's open-file dialog.
#include <windows.h>

#include <string>
#include <string_view>

namespace modCmOpen {

// Shows the modal open-file dialog and returns the chosen file's full path, or the empty
// string when the user cancels or the dialog fails (the two are not told apart).
// filter: description, NUL, pattern, pairs one after the other (the closing NULs may be left
// out); initialFolder: empty lets the dialog choose; title: empty gives "ファイルを開く".
// The file and its folder must exist; the read-only check box is hidden.
std::string ShowOpenDialog(HWND owner,
                           std::string_view filter,
                           const std::string& initialFolder,
                           const std::string& title);

}  // namespace modCmOpen
