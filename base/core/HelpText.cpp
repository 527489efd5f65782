#include "base/core/HelpText.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
// The first four bytes of a compiled WinHelp file.
constexpr std::string_view kWinHelpMagic{"\x3F\x5F\x03\x00", 4};

// Length of the UTF-8 sequence starting with lead byte c, 0 for a byte that cannot lead.
size_t SequenceLength(unsigned char c) {
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return 2;
    if (c >= 0xE0 && c <= 0xEF)
        return 3;
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    return 0;
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The second byte's tighter range rules out overlong forms, surrogates and values above U+10FFFF.
bool SecondByteAllowed(unsigned char lead, unsigned char second) {
    switch (lead) {
        case 0xE0:
            return second >= 0xA0;
        case 0xED:
            return second <= 0x9F;
        case 0xF0:
            return second >= 0x90;
        case 0xF4:
            return second <= 0x8F;
        default:
            return true;
    }
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const size_t length = SequenceLength(lead);
        if (length == 0 || i + length > bytes.size()) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            if (!IsContinuation(static_cast<unsigned char>(bytes[i + k]))) {
                return false;
            }
        }
        if (length > 1 && !SecondByteAllowed(lead, static_cast<unsigned char>(bytes[i + 1]))) {
            return false;
        }
        i += length;
    }
    return true;
}

HelpFormat DetectHelpFormat(std::string_view bytes) {
    if (bytes.starts_with(kWinHelpMagic)) {
        return HelpFormat::Unreadable;
    }
    if (bytes.starts_with(kUtf16LeBom)) {
        return bytes.size() % 2 == 0 ? HelpFormat::Utf16Le : HelpFormat::Unreadable;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        return HelpFormat::Unreadable;
    }
    if (bytes.starts_with(kUtf8Bom) || IsValidUtf8(bytes)) {
        return HelpFormat::Utf8;
    }
    return HelpFormat::Ansi;
}

std::string PrepareHelpText(std::string_view utf8) {
    if (utf8.starts_with(kUtf8Bom)) {
        utf8.remove_prefix(kUtf8Bom.size());
    }
    std::string text;
    text.reserve(utf8.size() + utf8.size() / 16);
    for (size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\r' || c == '\n') {
            text += "\r\n";
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
                ++i;
            }
            continue;
        }
        text += c;
    }
    return text;
}
