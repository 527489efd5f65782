#pragma once
// The checker's help file is plain text; this tells which encoding a help file's bytes are in
// and prepares the text for a multi-line edit control.
#include <string>
#include <string_view>

namespace pruvo {

enum class HelpFormat {
    kUtf8,        // UTF-8, with or without byte-order mark
    kUtf16Le,     // UTF-16 little endian with byte-order mark
    kAnsi,        // the system's ANSI code page
    kUnreadable,  // a compiled WinHelp file or other binary data
};

HelpFormat DetectHelpFormat(std::string_view bytes);

// Whether the bytes form valid UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Drops a UTF-8 byte-order mark and turns every line end (LF, CR or CRLF) into CRLF, the only
// line end a multi-line edit control shows as a line break.
std::string PrepareHelpText(std::string_view utf8);

}  // namespace pruvo
