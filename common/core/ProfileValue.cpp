#include "common/core/ProfileValue.h"

#include "base/core/Utf16.h"
#include "common/core/ProfileLine.h"

std::string CutToAnsiBytes(std::string_view utf8, size_t maxBytes, const TextCodec& ansi) {
    // No code page spells a character in more bytes than UTF-8 does.
    if (utf8.size() <= maxBytes)
        return std::string(utf8);
    size_t used = 0;
    size_t pos = 0;
    while (pos < utf8.size()) {
        const Utf8Char c = DecodeUtf8At(utf8, pos);
        const std::optional<std::string> spelled = ansi.FromUtf8(utf8.substr(pos, c.length));
        const size_t bytes = spelled ? spelled->size() : (c.codePoint >= 0x10000 ? 2 : 1);
        if (used + bytes > maxBytes)
            break;
        used += bytes;
        pos += c.length;
    }
    return std::string(utf8.substr(0, pos));
}

std::string ResolveProfileValue(const std::optional<std::string>& found,
                                std::string_view defaultValue,
                                const TextCodec& ansi) {
    std::string_view value;
    if (found) {
        value = StripOuterQuotes(*found);
    } else {
        value = defaultValue;
        while (!value.empty() && value.back() == ' ')
            value.remove_suffix(1);
    }
    return CutToAnsiBytes(value, kMaxProfileValueBytes, ansi);
}
