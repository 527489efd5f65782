#include <gtest/gtest.h>

#include "common/core/CalendarDate.h"
#include "common/core/Conversions.h"

namespace {

TEST(TextToInt16, ReadsNumbersTheWayTheSystemConversionDoes) {
    const struct {
        const char* text;
        std::optional<int16_t> expected;
    } kCases[] = {
        {"3", 3},         {" 3 ", 3},         {"\t-2", -2},       {"+7", 7},        {"0", 0},       {"2.5", 2},
        {"3.5", 4},       {"-2.5", -2},       {"1234.5", 1234},   {"1235.5", 1236}, {"160.0", 160}, {"1e2", 100},
        {"32767", 32767}, {"-32768", -32768}, {"32767.4", 32767}, {"32768", {}},    {"-32769", {}}, {"32767.5", {}},
        {"", {}},         {" ", {}},          {"abc", {}},        {"3a", {}},       {"0x10", {}},   {"inf", {}},
        {"nan", {}},      {"1,000", {}},      {".", {}},          {"-", {}},        {"1e", {}},     {"3 3", {}},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(TextToInt16(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TextToInt32, HoldsWindowPositionsBeyondSixteenBits) {
    EXPECT_EQ(TextToInt32("40000"), 40000);
    EXPECT_EQ(TextToInt32("-40000"), -40000);
    EXPECT_EQ(TextToInt32("99999999999"), std::nullopt);
}

TEST(RoundToInt16, RoundsHalvesToEvenAndChecksTheRange) {
    EXPECT_EQ(RoundToInt16(120.5), 120);
    EXPECT_EQ(RoundToInt16(121.5), 122);
    EXPECT_EQ(RoundToInt16(-0.5), 0);
    EXPECT_EQ(RoundToInt16(64000.0), std::nullopt);
    EXPECT_EQ(RoundToInt16(1.0 / 0.0), std::nullopt);
}

TEST(CalendarDate, CountsWholeDaysAcrossMonthsYearsAndLeapDays) {
    EXPECT_EQ(DaysBetween({2000, 1, 15}, {2000, 4, 23}), 99);
    EXPECT_EQ(DaysBetween({2000, 2, 28}, {2000, 3, 1}), 2);
    EXPECT_EQ(DaysBetween({1900, 2, 28}, {1900, 3, 1}), 1);
    EXPECT_EQ(DaysBetween({2000, 1, 15}, {2002, 10, 10}), 999);
    EXPECT_EQ(DaysBetween({2000, 1, 2}, {2000, 1, 1}), -1);
    EXPECT_EQ(DayNumber({1970, 1, 1}), 0);
}

TEST(CalendarDate, StoresDatesAsYearMonthDayAndReadsThemBack) {
    EXPECT_EQ(FormatDate({2000, 3, 15}), "2000/03/15");
    EXPECT_EQ(FormatDate({998, 4, 7}), "0998/04/07");
    const struct {
        const char* text;
        std::optional<CalendarDate> expected;
    } kCases[] = {
        {"2000/03/15", CalendarDate{2000, 3, 15}},
        {"1998/4/7", CalendarDate{1998, 4, 7}},
        {"2000-3-15", CalendarDate{2000, 3, 15}},
        {" 2000/03/15 ", CalendarDate{2000, 3, 15}},
        {"2000/02/30", {}},
        {"2001/02/29", {}},
        {"2000/13/01", {}},
        {"2000/03", {}},
        {"", {}},
        {"yesterday", {}},
        {"2000/03-15", {}},
        {"15/03/2000", {}},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ParseDate(c.text), c.expected) << '"' << c.text << '"';
}

TEST(CalendarDate, EveryValidDateReadsBackFromItsStoredForm) {
    const struct {
        CalendarDate date;
        bool valid;
    } kCases[] = {
        {{100, 1, 1}, true},    {{9999, 12, 31}, true}, {{2000, 2, 29}, true},  {{1900, 2, 29}, false},
        {{99, 12, 31}, false},  {{1, 1, 1}, false},     {{10000, 1, 1}, false}, {{2000, 0, 1}, false},
        {{2000, 4, 31}, false}, {{2000, 12, 0}, false},
    };
    for (const auto& c : kCases) {
        const std::string stored = FormatDate(c.date);
        EXPECT_EQ(IsValidDate(c.date), c.valid) << stored;
        EXPECT_EQ(ParseDate(stored), c.valid ? std::optional(c.date) : std::nullopt) << stored;
    }
}

}  // namespace
