#include <gtest/gtest.h>

#include "widget/core/DayRollover.h"

namespace {

CalendarDate D(int y, int m, int d) {
    return {y, m, d};
}

constexpr int64_t kHour = 60 * 60 * 1000;

TEST(DayRollover, CountsTheWallClockToTheNextMidnight) {
    const struct {
        LocalDateTime now;
        int64_t untilMidnight, delay;
    } kCases[] = {
        {{D(2024, 5, 1), 0, 0, 0, 0}, 24 * kHour, kHour},
        {{D(2024, 5, 1), 23, 0, 0, 0}, kHour, kHour},
        {{D(2024, 5, 1), 23, 30, 0, 0}, kHour / 2, kHour / 2 + 1000},
        {{D(2024, 5, 1), 23, 59, 59, 999}, 1, 1001},
        {{D(2024, 5, 1), 23, 59, 59, 0}, 1000, 2000},
        {{D(2024, 5, 1), 12, 34, 56, 789}, 41103211, kHour},
        {{D(2024, 5, 1), 22, 59, 59, 500}, kHour + 500, kHour},
        // A leap second (23:59:60) counts as 23:59:59, never as a negative wait.
        {{D(2016, 12, 31), 23, 59, 60, 500}, 500, 1500},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(MillisecondsUntilNextMidnight(c.now), c.untilMidnight) << c.now.hour << ":" << c.now.minute;
        EXPECT_EQ(NextDateCheckDelay(c.now), c.delay) << c.now.hour << ":" << c.now.minute;
    }
}

TEST(DayRollover, StartUpHasShownAndLookedForToday) {
    EXPECT_EQ(StartDayWatch(D(2024, 5, 1)), (DayWatch{D(2024, 5, 1), D(2024, 5, 1)}));
}

// One look at the date after another, as the shell makes them: the watch carried along.
TEST(DayRollover, EachNewDayChangesTheCaptionAndIsAnnouncedOnce) {
    const CalendarDate birthday = D(2000, 1, 15);
    const struct {
        CalendarDate today;
        bool captionChanges;
        bool newRunDay;
        const char* message;
    } kLooks[] = {
        {D(2000, 4, 21), false, false, ""},  // the start day again (resume the same evening)
        {D(2000, 4, 22), true, true, ""},    // midnight: day 99
        {D(2000, 4, 22), false, false, ""},  // an early timer, a time change, an unlock
        {D(2000, 4, 23), true, true, "今日はXの誕生から100日めの日です"},
        {D(2000, 4, 23), false, false, ""},  // never twice
        // The clock set back across midnight: the caption follows, the day is not announced again.
        {D(2000, 4, 22), true, false, ""},
        {D(2000, 4, 23), true, false, ""},
        // Sleeping over several days: only the day of waking counts.
        {D(2000, 5, 13), true, true, ""},
        {D(2000, 5, 15), true, true, "今日はXの4ヶ月のお誕生日です"},
        // The clock set back by a month: no day of it is announced, even a round one.
        {D(2000, 4, 23), true, false, ""},
        {D(2000, 4, 24), true, false, ""},
        {D(2000, 5, 15), true, false, ""},
        {D(2000, 6, 12), true, true, "今日はXの誕生から150日めの日です"},
    };
    DayWatch watch = StartDayWatch(D(2000, 4, 21));
    for (const auto& look : kLooks) {
        DayChange change = CheckDay(watch, "X", birthday, look.today);
        EXPECT_EQ(change.captionChanges, look.captionChanges) << FormatDate(look.today);
        EXPECT_EQ(change.newRunDay, look.newRunDay) << FormatDate(look.today);
        EXPECT_EQ(change.message, look.message) << FormatDate(look.today);
        EXPECT_EQ(change.watch.shownDate, look.today);
        watch = change.watch;
    }
}

}  // namespace
