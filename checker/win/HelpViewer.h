#pragma once
// The checker's help: its help file, plain text beside the program, shown in a small viewer.
#include <windows.h>

#include <optional>
#include <string>

namespace pruvo {

// Opens the program's help file (the program file with the extension HLP) in the viewer, owned
// by the window; a missing or unreadable file is reported in a message box instead.
void ShowHelpFile(HINSTANCE instance, HWND owner);

enum class HelpFileError { kMissing, kUnreadable };

struct HelpFileText {
    std::wstring text;  // ready for a multi-line edit control
    std::optional<HelpFileError> error;
};

// Reads and decodes a help file: UTF-8, UTF-16 with byte-order mark, or the ANSI code page.
HelpFileText ReadHelpFile(const std::wstring& path);

}  // namespace pruvo
