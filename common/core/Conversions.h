#pragma once
// The system's text and number conversions: strict, so that a hand-edited profile value or a
// mistyped command line is refused instead of silently becoming 0.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Rounds to the nearest whole number, an exact half to the even neighbour; nullopt outside
// -32768..32767 or for a value that is not finite.
std::optional<int16_t> RoundToInt16(double value);
std::optional<int32_t> RoundToInt32(double value);

// Reads a decimal number ("12", " -3 ", "2.5", "1e2"): blanks (space, tab) around it are ignored,
// a fraction is rounded half to even. nullopt for anything else or a value out of range.
std::optional<double> TextToNumber(std::string_view text);
std::optional<int16_t> TextToInt16(std::string_view text);
std::optional<int32_t> TextToInt32(std::string_view text);

// Full-width digits, "+", "-", "." and the ideographic space as their ASCII forms: Japanese input
// methods readily type them, and they mean the same number. Everything else stays as it is.
std::string NarrowFullWidth(std::string_view text);
