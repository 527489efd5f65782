#include "common/core/TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "base/core/Utf16.h"

namespace {

// iconv in both directions; a conversion that stops on an unmappable or invalid sequence
// reports it through its result instead of substituting.
class IconvCodec final : public TextCodec {
public:
    explicit IconvCodec(const char* codePage) : m_codePage(codePage) {}

    std::string ToUtf8(std::string_view ansi) const override {
        if (IsAscii(ansi))
            return std::string(ansi);
        std::string out;
        size_t pos = 0;
        while (pos < ansi.size()) {
            // Convert the longest convertible run; a byte that forms no character is replaced.
            size_t used = 0;
            if (!Convert(m_codePage, "UTF-8", ansi.substr(pos), out, used) && used == 0) {
                out += "\xEF\xBF\xBD";
                used = 1;
            }
            pos += used;
        }
        return out;
    }

    std::optional<std::string> FromUtf8(std::string_view utf8) const override {
        if (IsAscii(utf8))
            return std::string(utf8);
        std::string out;
        size_t used = 0;
        if (!Convert("UTF-8", m_codePage, utf8, out, used))
            return std::nullopt;
        // Ill-formed UTF-8 has no spelling either (iconv may accept some of it).
        if (Utf16ToUtf8(Utf8ToUtf16(utf8)) != utf8)
            return std::nullopt;
        // iconv spells some characters by a look-alike that reads back as another one (the
        // yen sign as the backslash byte, U+301C as U+FF5E): only an exact round trip counts.
        if (ToUtf8(out) != utf8)
            return std::nullopt;
        return out;
    }

private:
    // Appends the conversion of as much of input as converts cleanly; used = bytes consumed.
    static bool Convert(const char* from, const char* to, std::string_view input, std::string& out, size_t& used) {
        iconv_t cd = iconv_open(to, from);
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv_open failed");
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        bool ok = true;
        while (inLeft > 0) {
            char buffer[256];
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (r == static_cast<size_t>(-1) && errno != E2BIG) {
                ok = false;
                break;
            }
            if (r != static_cast<size_t>(-1) && r > 0) {
                // A reversible conversion reports nothing here; a lossy one counts substitutions.
                ok = false;
                break;
            }
        }
        iconv_close(cd);
        used = input.size() - inLeft;
        return ok;
    }

    const char* m_codePage;
};

}  // namespace

const TextCodec& SystemAnsiCodec() {
    static const IconvCodec codec("CP932");
    return codec;
}
