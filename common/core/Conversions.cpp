#include "common/core/Conversions.h"

#include "base/core/AsciiText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Only plain decimal notation: digits with an optional sign, point and exponent. No hex,
// no "inf"/"nan", nothing after the number.
bool IsDecimalNotation(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        size_t expDigits = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    return i == text.size();
}

template <typename T>
std::optional<T> RoundTo(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    double rounded = std::nearbyint(value);  // the default rounding mode is to nearest, ties to even
    if (rounded < static_cast<double>(INT32_MIN) || rounded > static_cast<double>(INT32_MAX))
        return std::nullopt;
    if (rounded < static_cast<double>(std::numeric_limits<T>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(rounded);
}

}  // namespace

std::optional<int16_t> RoundToInt16(double value) {
    return RoundTo<int16_t>(value);
}
std::optional<int32_t> RoundToInt32(double value) {
    return RoundTo<int32_t>(value);
}

std::optional<double> TextToNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!IsDecimalNotation(text))
        return std::nullopt;
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int16_t> TextToInt16(std::string_view text) {
    auto value = TextToNumber(text);
    return value ? RoundToInt16(*value) : std::nullopt;
}

std::optional<int32_t> TextToInt32(std::string_view text) {
    auto value = TextToNumber(text);
    return value ? RoundToInt32(*value) : std::nullopt;
}

// The full-width forms U+FF0B..U+FF19 (UTF-8 EF BC 8B..99) lie 0xFEE0 above "+", "-", "." and
// digits.
std::string NarrowFullWidth(std::string_view text) {
    std::string narrow;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead == 0xEF && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBC) {
            const auto last = static_cast<unsigned char>(text[i + 2]);
            if ((last >= 0x90 && last <= 0x99) || last == 0x8E || last == 0x8B || last == 0x8D) {
                narrow += static_cast<char>(last - 0x60);
                i += 2;
                continue;
            }
        }
        if (text.substr(i, 3) == "\xE3\x80\x80") {  // ideographic space
            narrow += ' ';
            i += 2;
            continue;
        }
        narrow += text[i];
    }
    return narrow;
}
