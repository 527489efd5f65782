#include <gtest/gtest.h>

#include "widget/core/MissedMilestone.h"

namespace {

TEST(MissedMilestone, TheLatestWithinAWeekSinceTheLastRun) {
    const struct {
        std::string lastRun;
        CalendarDate today;
        std::string text;  // born 2023/06/10: 30日め 07/09, 1ヶ月 07/10, 50日め 07/29, 1歳 2024/06/10
    } cases[] = {
        {"", {2024, 6, 13}, ""},
        {"2024/06/06", {2024, 6, 13}, "3日前はXの1歳のお誕生日でした"},
        {"2024/06/09", {2024, 6, 11}, "昨日はXの1歳のお誕生日でした"},
        {"2024/06/11", {2024, 6, 14}, ""},  // a setting first run after it
        {"2024/06/01", {2024, 6, 18}, ""},  // 8 days ago
        {"2024/06/01", {2024, 6, 17}, "7日前はXの1歳のお誕生日でした"},
        {"2023/07/01", {2023, 7, 12}, "2日前はXの1ヶ月のお誕生日でした"},  // two missed: the latest
        {"2023/07/25", {2023, 7, 30}, "昨日はXの誕生から50日めの日でした"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MissedMilestoneText("X", {2023, 6, 10}, c.lastRun, c.today), c.text) << c.lastRun;
    EXPECT_EQ(MissedMilestoneText("X", {2000, 2, 1}, "2000/02/27", {2000, 3, 2}),
              "昨日はXの1ヶ月のお誕生日でした。しかも誕生から30日めの日でした");
}

}  // namespace
