#include "common/core/TextCodec.h"

#include <windows.h>

#include "base/core/Unicode.h"

namespace {

class AcpCodec final : public TextCodec {
public:
    std::string ToUtf8(std::string_view ansi) const override {
        if (IsAscii(ansi))
            return std::string(ansi);
        return AnsiToUtf8(ansi);
    }

    std::optional<std::string> FromUtf8(std::string_view utf8) const override {
        if (IsAscii(utf8))
            return std::string(utf8);
        if (utf8.empty())
            return std::string();
        const std::wstring wide = Widen(utf8);
        if (Narrow(wide) != utf8)
            return std::nullopt;  // ill-formed UTF-8
        const int size = static_cast<int>(wide.size());
        // The UTF-8 code page takes no best-fit flag and no default-character report.
        const bool utf8Acp = GetACP() == CP_UTF8;
        const DWORD flags = utf8Acp ? 0 : WC_NO_BEST_FIT_CHARS;
        BOOL usedDefault = FALSE;
        BOOL* usedDefaultPtr = utf8Acp ? nullptr : &usedDefault;
        const int n = WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, nullptr, usedDefaultPtr);
        if (n <= 0 || usedDefault)
            return std::nullopt;
        std::string out(static_cast<size_t>(n), '\0');
        WideCharToMultiByte(CP_ACP, flags, wide.data(), size, out.data(), n, nullptr, usedDefaultPtr);
        if (usedDefault)
            return std::nullopt;
        // A code page's own table may still spell a character by a look-alike that reads back as
        // another one (the yen sign as the backslash byte): only an exact round trip counts.
        if (ToUtf8(out) != utf8)
            return std::nullopt;
        return out;
    }
};

}  // namespace

const TextCodec& SystemAnsiCodec() {
    static const AcpCodec codec;
    return codec;
}
