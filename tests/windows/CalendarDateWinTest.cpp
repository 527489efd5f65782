#include <windows.h>
#include <gtest/gtest.h>

#include "common/core/CalendarDate.h"

namespace {

TEST(CalendarDateOnWindows, TodayIsTheLocalDate) {
    SYSTEMTIME local;
    GetLocalTime(&local);
    CalendarDate today = Today();
    EXPECT_EQ(today, (CalendarDate{local.wYear, local.wMonth, local.wDay}));
    EXPECT_EQ(ParseDate(FormatDate(today)), today);
}

TEST(CalendarDateOnWindows, TextThatIsNoDateIsRefusedByThePlatformConversionToo) {
    EXPECT_EQ(ParseDate("someday"), std::nullopt);
    EXPECT_EQ(ParseDate(""), std::nullopt);
}

}  // namespace
