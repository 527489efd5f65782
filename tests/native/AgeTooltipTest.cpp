#include <gtest/gtest.h>

#include "widget/core/AgeMessages.h"
#include "widget/core/AgeTooltip.h"

namespace {

CalendarDate D(int y, int m, int d) {
    return {y, m, d};
}

TEST(AgeTooltip, AgeInCompletedYearsMonthsAndDays) {
    const struct {
        CalendarDate birthday, today;
        std::optional<AgeSpan> age;
    } kCases[] = {
        {D(2000, 1, 15), D(2000, 1, 15), AgeSpan{0, 0, 0}},  // born today
        {D(2000, 1, 15), D(2001, 3, 18), AgeSpan{1, 2, 3}},
        {D(2000, 1, 15), D(2000, 2, 14), AgeSpan{0, 0, 30}},  // the day before a month-birthday
        {D(2000, 1, 15), D(2000, 2, 15), AgeSpan{0, 1, 0}},
        {D(2000, 1, 15), D(2001, 1, 14), AgeSpan{0, 11, 30}},  // the day before the birthday
        {D(2000, 1, 15), D(2001, 1, 15), AgeSpan{1, 0, 0}},
        {D(1999, 12, 15), D(2000, 1, 15), AgeSpan{0, 1, 0}},  // across the turn of the year
        {D(2000, 1, 15), D(2000, 1, 14), std::nullopt},       // before the day of birth
        {D(2000, 1, 15), D(1999, 6, 1), std::nullopt},
        {D(0, 0, 0), D(2000, 1, 15), std::nullopt},  // no valid birthday
    };
    for (const auto& c : kCases)
        EXPECT_EQ(AgeOn(c.birthday, c.today), c.age) << FormatDate(c.birthday) << " -> " << FormatDate(c.today);
}

// A month lacking the day of birth completes the month on the 1st of the next one, never
// earlier: "Nヶ月0日" only on a day the message names, or on such a 1st.
TEST(AgeTooltip, MonthEndsAndTheLeapDayCompleteOnTheFollowingFirst) {
    const struct {
        CalendarDate birthday, today;
        AgeSpan age;
    } kCases[] = {
        {D(2000, 1, 31), D(2000, 2, 29), {0, 0, 29}},
        {D(2000, 1, 31), D(2000, 3, 1), {0, 1, 0}},
        {D(2000, 1, 31), D(2000, 3, 30), {0, 1, 29}},
        {D(2000, 1, 31), D(2000, 3, 31), {0, 2, 0}},  // the 2nd month-birthday of the message
        {D(2000, 1, 31), D(2000, 4, 30), {0, 2, 30}},
        {D(2000, 1, 31), D(2000, 5, 1), {0, 3, 0}},
        {D(2000, 1, 31), D(2001, 1, 30), {0, 11, 30}},
        {D(2000, 1, 31), D(2001, 1, 31), {1, 0, 0}},
        {D(2000, 12, 31), D(2001, 2, 28), {0, 1, 28}},
        {D(2000, 12, 31), D(2001, 3, 1), {0, 2, 0}},
        {D(2000, 1, 30), D(2001, 3, 1), {1, 1, 0}},  // no 30 February: the 1st of March
        {D(1996, 2, 29), D(1996, 3, 28), {0, 0, 28}},
        {D(1996, 2, 29), D(1996, 3, 29), {0, 1, 0}},
        {D(1996, 2, 29), D(1997, 2, 28), {0, 11, 30}},
        {D(1996, 2, 29), D(1997, 3, 1), {1, 0, 0}},  // one year old on 1 March of a common year
        {D(1996, 2, 29), D(2000, 2, 28), {3, 11, 30}},
        {D(1996, 2, 29), D(2000, 2, 29), {4, 0, 0}},  // the 4th birthday of the message
        {D(1996, 2, 29), D(2000, 3, 1), {4, 0, 1}},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(AgeOn(c.birthday, c.today), c.age) << FormatDate(c.birthday) << " -> " << FormatDate(c.today);
}

TEST(AgeTooltip, AgeIsWrittenInYearsMonthsAndDays) {
    EXPECT_EQ(AgeSpanText({1, 2, 3}), "1歳2ヶ月3日");
    EXPECT_EQ(AgeSpanText({0, 0, 0}), "0歳0ヶ月0日");
    EXPECT_EQ(AgeSpanText({27, 11, 30}), "27歳11ヶ月30日");
}

TEST(AgeTooltip, NextMilestoneIsTheNextDayTheMessageAnnounces) {
    const struct {
        CalendarDate birthday, today;
        CalendarDate date;
        int64_t daysLeft;
        const char* name;
    } kCases[] = {
        {D(2000, 1, 15), D(2000, 1, 15), D(2000, 1, 24), 9, "誕生から10日め"},  // born today
        {D(2000, 1, 15), D(2000, 1, 24), D(2000, 2, 3), 10, "誕生から20日め"},  // after today, not today
        {D(2000, 1, 15), D(2000, 2, 10), D(2000, 2, 13), 3, "誕生から30日め"},
        {D(2000, 1, 15), D(2000, 2, 13), D(2000, 2, 15), 2, "1ヶ月のお誕生日"},
        {D(2000, 1, 15), D(2000, 7, 27), D(2000, 8, 1), 5, "誕生から200日め"},
        {D(2000, 2, 1), D(2000, 2, 25), D(2000, 3, 1), 5, "1ヶ月のお誕生日と誕生から30日め"},
        {D(2000, 1, 15), D(2000, 1, 10), D(2000, 1, 24), 14, "誕生から10日め"},  // before birth
        // Born on the 31st: no month-birthday in February.
        {D(2000, 1, 31), D(2000, 2, 20), D(2000, 2, 29), 9, "誕生から30日め"},
        {D(2000, 1, 31), D(2000, 2, 29), D(2000, 3, 10), 10, "誕生から40日め"},
        {D(2000, 1, 31), D(2000, 3, 30), D(2000, 3, 31), 1, "2ヶ月のお誕生日"},
        // Day counts end at 9999; then only birthdays, for the leap-day child in leap years only.
        {D(2000, 1, 1), D(2027, 5, 10), D(2027, 5, 17), 7, "誕生から9999日め"},
        {D(2000, 1, 1), D(2027, 5, 17), D(2028, 1, 1), 229, "28歳のお誕生日"},
        {D(2000, 2, 29), D(2028, 3, 1), D(2032, 2, 29), 1460, "32歳のお誕生日"},
        {D(2068, 2, 29), D(2096, 3, 1), D(2104, 2, 29), 2920, "36歳のお誕生日"},  // 2100 is no leap year
        {D(1996, 2, 29), D(1999, 3, 1), D(1999, 3, 15), 14, "誕生から1111日め"},
    };
    for (const auto& c : kCases) {
        std::optional<Milestone> next = NextMilestone(c.birthday, c.today);
        ASSERT_TRUE(next) << FormatDate(c.birthday) << " -> " << FormatDate(c.today);
        EXPECT_EQ(next->date, c.date) << FormatDate(c.birthday) << " -> " << FormatDate(c.today);
        EXPECT_EQ(next->daysLeft, c.daysLeft) << FormatDate(c.today);
        EXPECT_EQ(next->name, c.name) << FormatDate(c.today);
        // The milestone is a day the widget really announces.
        EXPECT_FALSE(AnniversaryMessageText("X", c.birthday, c.date).empty());
    }
}

TEST(AgeTooltip, NoMilestoneBeyondTheCalendar) {
    EXPECT_EQ(NextMilestone(D(9999, 12, 1), D(9999, 12, 31)), std::nullopt);
    EXPECT_EQ(NextMilestone(D(9990, 3, 1), D(9999, 12, 20)), std::nullopt);
    EXPECT_EQ(NextMilestone(D(0, 0, 0), D(2000, 1, 1)), std::nullopt);
}

TEST(AgeTooltip, TooltipText) {
    const struct {
        CalendarDate birthday, today;
        const char* text;
    } kCases[] = {
        {D(2000, 1, 15), D(2001, 3, 18),
         "1歳2ヶ月3日\r\nXが生まれてから今日で429日\r\n次の記念日: 誕生から444日め (あと15日)"},
        {D(2000, 1, 15), D(2000, 1, 15),
         "0歳0ヶ月0日\r\nXが生まれてから今日で1日\r\n次の記念日: 誕生から10日め (あと9日)"},
        {D(2000, 1, 15), D(2000, 1, 13),
         "誕生まであと2日\r\nXが生まれてから今日で-1日\r\n次の記念日: 誕生から10日め (あと11日)"},
        {D(2000, 1, 15), D(2000, 1, 14),
         "誕生まであと1日\r\nXが生まれてから今日で0日\r\n次の記念日: 誕生から10日め (あと10日)"},
        {D(9999, 12, 1), D(9999, 12, 31), "0歳0ヶ月30日\r\nXが生まれてから今日で31日"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(AgeTooltipText("X", c.birthday, c.today), c.text) << FormatDate(c.today);
}

}  // namespace

namespace {

// The age from the due date, beside the age, until the corrected age reaches two years.
TEST(AgeTooltip, CorrectedAgeForAChildBornEarly) {
    const struct {
        CalendarDate birthday, dueDate, today;
        std::string_view text;
    } kCases[] = {
        {D(2024, 1, 10), D(2024, 3, 1), D(2024, 6, 3), "修正: 3ヶ月2日"},
        {D(2024, 1, 10), D(2024, 3, 1), D(2024, 3, 1), "修正: 0ヶ月0日"},  // on the due date
        {D(2024, 1, 10), D(2024, 3, 1), D(2024, 2, 25), "修正: 予定日まであと5日"},
        {D(2024, 1, 10), D(2024, 3, 1), D(2026, 2, 28), "修正: 1歳11ヶ月27日"},
        {D(2024, 1, 10), D(2024, 3, 1), D(2026, 3, 1), ""},                    // two years corrected: no more
        {D(2023, 12, 1), D(2024, 2, 29), D(2025, 2, 28), "修正: 11ヶ月30日"},  // a leap-day due date
        {D(2023, 12, 1), D(2024, 2, 29), D(2025, 3, 1), "修正: 1歳0ヶ月0日"},
        {D(2024, 1, 10), D(2024, 1, 10), D(2024, 6, 3), ""},  // born on the due date
        {D(2024, 3, 1), D(2024, 1, 10), D(2024, 6, 3), ""},   // a due date before the birth
        {D(2024, 1, 10), D(2024, 3, 1), D(2024, 1, 9), ""},   // not yet born
        {D(2024, 1, 10), D(0, 0, 0), D(2024, 6, 3), ""},      // no due date
    };
    for (const auto& c : kCases)
        EXPECT_EQ(CorrectedAgeText(c.birthday, c.dueDate, c.today, Language::Japanese), c.text)
            << FormatDate(c.dueDate) << " -> " << FormatDate(c.today);
    EXPECT_EQ(AgeTooltipText("X", D(2024, 1, 10), D(2024, 6, 3), Language::English, D(2024, 3, 1)).substr(0, 52),
              "4 months 24 days (corrected: 3 months 2 days)\r\nToday");
}

}  // namespace
