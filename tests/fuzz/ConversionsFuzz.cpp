// The number and date conversions of hand-edited profile values and command lines. Properties:
//  - a number read from any text reads back from its shortest spelling and ignores blanks
//    around it; its 16- and 32-bit forms are the nearest whole number, halves to even, and
//    read back from their decimal spelling;
//  - a date read from any text is a real calendar day and reads back from its stored form;
//  - every real day reads back from its stored form and from y-M-d, the day after it is the
//    next day number, and day numbers keep the order of the days.
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <tuple>

#include "common/core/CalendarDate.h"
#include "common/core/Conversions.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

std::string Shortest(double value) {
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

template <typename Int>
void CheckRounded(double value, std::optional<Int> rounded, std::optional<Int> (*fromText)(std::string_view)) {
    const double nearest = std::nearbyint(value);
    const bool inRange = nearest >= static_cast<double>(std::numeric_limits<Int>::min()) &&
                         nearest <= static_cast<double>(std::numeric_limits<Int>::max());
    FUZZ_CHECK(rounded.has_value() == (std::isfinite(value) && inRange));
    if (!rounded)
        return;
    const double distance = std::fabs(value - *rounded);
    FUZZ_CHECK(distance <= 0.5);
    FUZZ_CHECK(distance < 0.5 || *rounded % 2 == 0);
    FUZZ_CHECK(fromText(std::to_string(*rounded)) == rounded);
}

void CheckNumberText(FuzzedDataProvider& input) {
    const std::string text = input.ConsumeRandomLengthString(40);
    const std::optional<double> value = TextToNumber(text);
    FUZZ_CHECK(TextToNumber(" \t" + text + "\t ") == value);
    if (!value) {
        FUZZ_CHECK(!TextToInt16(text) && !TextToInt32(text));
        return;
    }
    FUZZ_CHECK(std::isfinite(*value));
    FUZZ_CHECK(text.find_first_not_of(" \t0123456789+-.eE") == std::string::npos);
    FUZZ_CHECK(TextToNumber(Shortest(*value)) == value);
    FUZZ_CHECK(TextToInt16(text) == RoundToInt16(*value));
    FUZZ_CHECK(TextToInt32(text) == RoundToInt32(*value));
    CheckRounded<int16_t>(*value, TextToInt16(text), TextToInt16);
    CheckRounded<int32_t>(*value, TextToInt32(text), TextToInt32);
}

void CheckAnyDouble(FuzzedDataProvider& input) {
    const double value = input.ConsumeFloatingPoint<double>() / (1 << input.ConsumeIntegralInRange(0, 20));
    CheckRounded<int16_t>(value, RoundToInt16(value), TextToInt16);
    CheckRounded<int32_t>(value, RoundToInt32(value), TextToInt32);
}

void CheckDateText(FuzzedDataProvider& input) {
    const std::string text = input.ConsumeRandomLengthString(40);
    const std::optional<CalendarDate> date = ParseDate(text);
    if (!date)
        return;
    FUZZ_CHECK(IsValidDate(*date));
    const std::string stored = FormatDate(*date);
    FUZZ_CHECK(stored.size() == 10 && stored[4] == '/' && stored[7] == '/');
    FUZZ_CHECK(ParseDate(stored) == date);
}

CalendarDate NextDay(CalendarDate date) {
    if (IsValidDate({date.year, date.month, date.day + 1}))
        return {date.year, date.month, date.day + 1};
    if (date.month < 12)
        return {date.year, date.month + 1, 1};
    return {date.year + 1, 1, 1};
}

CalendarDate AnyDate(FuzzedDataProvider& input) {
    return {input.ConsumeIntegralInRange(-5, 10005), input.ConsumeIntegralInRange(-1, 13),
            input.ConsumeIntegralInRange(-1, 32)};
}

void CheckDateFields(FuzzedDataProvider& input) {
    const CalendarDate date = AnyDate(input);
    if (!IsValidDate(date)) {
        FUZZ_CHECK(!ParseDate(FormatDate(date)));
        return;
    }
    FUZZ_CHECK(ParseDate(FormatDate(date)) == date);
    char dashed[40];
    std::snprintf(dashed, sizeof dashed, " %d-%d-%d ", date.year, date.month, date.day);
    FUZZ_CHECK(ParseDate(dashed) == (date.year >= 100 ? std::optional(date) : std::nullopt));
    const CalendarDate next = NextDay(date);
    if (IsValidDate(next))
        FUZZ_CHECK(DayNumber(next) == DayNumber(date) + 1);
    const CalendarDate other = AnyDate(input);
    if (IsValidDate(other)) {
        const bool earlier = std::tie(date.year, date.month, date.day) < std::tie(other.year, other.month, other.day);
        FUZZ_CHECK(earlier == (DaysBetween(date, other) > 0));
        FUZZ_CHECK(DaysBetween(date, other) == -DaysBetween(other, date));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0:
            CheckNumberText(input);
            break;
        case 1:
            CheckAnyDouble(input);
            break;
        case 2:
            CheckDateText(input);
            break;
        default:
            CheckDateFields(input);
            break;
    }
    return 0;
}
