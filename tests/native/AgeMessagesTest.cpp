#include <gtest/gtest.h>

#include "widget/core/AgeMessages.h"

namespace {

CalendarDate D(int y, int m, int d) {
    return {y, m, d};
}

TEST(AgeMessages, DayNumberCountsTheBirthdayAsDayOne) {
    const struct {
        CalendarDate birthday, today;
        int64_t day;
    } kCases[] = {
        {D(2000, 1, 15), D(2000, 1, 15), 1},   {D(2000, 1, 15), D(2000, 4, 23), 100},
        {D(2000, 1, 15), D(2001, 1, 15), 367}, {D(2000, 1, 15), D(2000, 1, 14), 0},
        {D(2000, 1, 15), D(2000, 1, 10), -4},  {D(1999, 12, 31), D(2000, 1, 1), 2},
        {D(2000, 2, 28), D(2000, 3, 1), 3},    {D(1900, 2, 28), D(1900, 3, 1), 2},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(AgeDayNumber(c.birthday, c.today), c.day);
}

TEST(AgeMessages, CaptionIsNameAndDayNumber) {
    EXPECT_EQ(AgeCaption("X", D(2000, 1, 15), D(2000, 4, 23)), "Xが生まれてから今日で100日");
    EXPECT_EQ(AgeCaption("X", D(2000, 1, 15), D(2000, 1, 15)), "Xが生まれてから今日で1日");
    EXPECT_EQ(AgeCaption("X", D(2000, 1, 15), D(2000, 1, 14)), "Xが生まれてから今日で0日");
    EXPECT_EQ(AgeCaption("X", D(2000, 1, 15), D(2000, 1, 13)), "Xが生まれてから今日で-1日");
    EXPECT_EQ(AgeCaption("", D(2000, 1, 15), D(2000, 1, 16)), "が生まれてから今日で2日");
    EXPECT_EQ(AgeCaption("ぴっころ", D(2000, 1, 15), D(2027, 6, 1)), "ぴっころが生まれてから今日で10000日");
}

TEST(AgeMessages, DayCountTableAnnouncesItsMultiplesBelowEachLimit) {
    const struct {
        int64_t day;
        bool announced;
    } kCases[] = {
        {-10, false}, {0, false},    {1, false},     {10, true},     {90, true},     {95, false},  {100, true},
        {110, false}, {111, true},   {150, true},    {450, true},    {500, true},    {550, false}, {999, true},
        {1000, true}, {1100, false}, {1111, true},   {1500, true},   {4500, true},   {5000, true}, {5500, false},
        {9000, true}, {9999, true},  {10000, false}, {11110, false}, {20000, false},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(IsDayCountAnniversary(c.day), c.announced) << c.day;
}

TEST(AgeMessages, MessageOfTheDay) {
    const struct {
        const char* name;
        CalendarDate birthday, today;
        const char* message;  // "" for a day without a message
    } kCases[] = {
        {"X", D(2000, 1, 15), D(2000, 2, 15), "今日はXの1ヶ月のお誕生日です"},
        {"X", D(2000, 1, 15), D(2000, 4, 23), "今日はXの誕生から100日めの日です"},
        {"X", D(2000, 1, 15), D(2000, 4, 24), ""},
        {"X", D(2000, 1, 15), D(2001, 1, 15), "今日はXの1歳のお誕生日です"},
        {"X", D(2000, 1, 15), D(2002, 10, 10), "今日はXの誕生から1000日めの日です"},
        {"X", D(2000, 2, 1), D(2000, 3, 1), "今日はXの1ヶ月のお誕生日です。しかも誕生から30日めの日です"},
        // The day of birth: neither a birthday nor a day count.
        {"X", D(2000, 1, 15), D(2000, 1, 15), ""},
        {"X", D(2000, 1, 15), D(2000, 12, 15), "今日はXの11ヶ月のお誕生日です"},
        {"X", D(2000, 1, 15), D(2001, 2, 15), ""},  // month 13 is not announced
        {"X", D(2000, 1, 15), D(2003, 3, 15), ""},
        // No adjustment at month ends: born on the 31st, born on 29 February.
        {"X", D(2000, 1, 31), D(2000, 2, 29), "今日はXの誕生から30日めの日です"},
        {"X", D(2000, 1, 31), D(2000, 3, 31), "今日はXの2ヶ月のお誕生日です"},
        {"X", D(2000, 1, 31), D(2000, 4, 30), ""},
        {"X", D(1996, 2, 29), D(1997, 2, 28), ""},
        {"X", D(1996, 2, 29), D(1997, 3, 1), ""},
        {"X", D(1996, 2, 29), D(2000, 2, 29), "今日はXの4歳のお誕生日です"},
        // Day counts at the ends of the table rows.
        {"X", D(2000, 1, 1), D(2002, 9, 25), "今日はXの誕生から999日めの日です"},
        {"X", D(2000, 1, 1), D(2027, 5, 17), "今日はXの誕生から9999日めの日です"},
        {"X", D(2000, 1, 1), D(2027, 5, 18), ""},  // day 10000
        // A birthday that is also a round day count.
        {"X", D(2000, 1, 1), D(2000, 2, 1), "今日はXの1ヶ月のお誕生日です"},  // day 32
        {"Y", D(2019, 1, 1), D(2024, 1, 1), "今日はYの5歳のお誕生日です"},
        // A birthday in the future: no message at all.
        {"X", D(2000, 1, 16), D(2000, 1, 15), ""},
        {"X", D(2001, 1, 15), D(2000, 1, 15), ""},
        {"X", D(2000, 2, 15), D(2000, 1, 15), ""},
        // An empty name is used as it is.
        {"", D(2000, 1, 15), D(2000, 2, 15), "今日はの1ヶ月のお誕生日です"},
        {"ぴっころ", D(2000, 1, 15), D(2000, 1, 24), "今日はぴっころの誕生から10日めの日です"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(AnniversaryMessageText(c.name, c.birthday, c.today), c.message)
            << FormatDate(c.birthday) << " -> " << FormatDate(c.today);
}

}  // namespace
