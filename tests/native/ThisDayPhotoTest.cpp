#include <gtest/gtest.h>

#include <map>

#include "widget/core/ThisDayPhoto.h"

namespace {

PhotoEntry Photo(const std::string& name, const CalendarDate& day) {
    return {name, DayNumber(day) * 86400 + 12 * 3600, true};
}

// Photos of 1 June from 2019 to 2021: last year's first, then each once a round, never twice in a row.
TEST(ThisDayPhoto, LastYearsFirstThenEachOncePerRoundNeverTwiceInARow) {
    const std::vector<PhotoEntry> photos = {Photo("a", {2019, 6, 1}), Photo("b", {2020, 6, 1}),
                                            Photo("c", {2021, 6, 1}), Photo("d", {2020, 2, 29})};
    const DailyPhotoState state = StartDailyPhotoState(3, 42);
    const auto name = [&](const CalendarDate& day) {
        return photos[ThisDayPhotoCandidates(photos, state, day).at(0).photo].name;
    };
    EXPECT_EQ(name({2022, 6, 1}), "c");
    std::map<std::string, int> times;
    for (int year = 2023; year <= 2031; ++year) {  // three rounds
        EXPECT_NE(name({year, 6, 1}), name({year - 1, 6, 1}));
        ++times[name({year, 6, 1})];
    }
    EXPECT_EQ(times, (std::map<std::string, int>{{"a", 3}, {"b", 3}, {"c", 3}}));
    EXPECT_EQ(name({2023, 2, 28}), "d");  // 2023 has no 29 February
    EXPECT_EQ(ThisDayLabel({2021, 12, 9}, {2024, 12, 9}), "3年前の今日");
    EXPECT_EQ(ThisDayLabel({2024, 12, 9}, {2024, 12, 9}), "") << "this year's is no memory";
    for (const CalendarDate day : {CalendarDate{2024, 2, 28}, CalendarDate{2024, 8, 8}})  // none of this day
        EXPECT_EQ(ThisDayPhotoCandidates(photos, state, day).at(0).photo,
                  DailyPhotoCandidates(photos, state, day).at(0).photo);
}

}  // namespace
