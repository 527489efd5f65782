#include <gtest/gtest.h>

#include "common/core/CalendarDate.h"

namespace {

TEST(CalendarDate, DateFromDayNumberInvertsDayNumber) {
    const struct {
        int64_t number;
        CalendarDate date;
    } kCases[] = {
        {0, {1970, 1, 1}},         {-1, {1969, 12, 31}},    {11016, {2000, 2, 29}}, {11017, {2000, 3, 1}},
        {-25508, {1900, 3, 1}},    {-25509, {1900, 2, 28}}, {47540, {2100, 2, 28}}, {47541, {2100, 3, 1}},
        {2932896, {9999, 12, 31}}, {-719162, {1, 1, 1}},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(DayNumber(c.date), c.number) << FormatDate(c.date);
        EXPECT_EQ(DateFromDayNumber(c.number), c.date) << c.number;
    }
    // Every day of four centuries, around a leap century and two common ones.
    for (int64_t n = DayNumber({1899, 1, 1}); n <= DayNumber({2301, 1, 1}); ++n) {
        CalendarDate date = DateFromDayNumber(n);
        ASSERT_TRUE(IsValidDate(date)) << n;
        ASSERT_EQ(DayNumber(date), n);
    }
}

}  // namespace
