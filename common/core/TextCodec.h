#pragma once
// The system's ANSI code page as seen from UTF-8 text: profile files without a byte-order mark
// are in that code page.
#include <optional>
#include <string>
#include <string_view>

class TextCodec {
public:
    virtual ~TextCodec() = default;
    // Bytes in the code page to UTF-8; bytes that form no character become a replacement.
    virtual std::string ToUtf8(std::string_view ansi) const = 0;
    // UTF-8 to the code page; std::nullopt when a character has no exact spelling there
    // (never a '?' or a look-alike).
    virtual std::optional<std::string> FromUtf8(std::string_view utf8) const = 0;
};

// ASCII is spelled alike in UTF-8 and in every ANSI code page.
inline bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// The code page of this system (on Windows CP_ACP; the native test build uses code page 932,
// the system the programs are made for).
const TextCodec& SystemAnsiCodec();
