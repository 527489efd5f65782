#pragma once
// Help files are plain text beside the programs; this tells which encoding a help file's bytes are in
// and prepares the text for a multi-line edit control.
#include <string>
#include <string_view>

enum class HelpFormat {
    Utf8,        // UTF-8, with or without byte-order mark
    Utf16Le,     // UTF-16 little endian with byte-order mark
    Ansi,        // the system's ANSI code page
    Unreadable,  // a compiled WinHelp file or other binary data
};

HelpFormat DetectHelpFormat(std::string_view bytes);

// Whether the bytes form valid UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Drops a UTF-8 byte-order mark and turns every line end (LF, CR or CRLF) into CRLF, the only
// line end a multi-line edit control shows as a line break.
std::string PrepareHelpText(std::string_view utf8);
