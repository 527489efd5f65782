#include <gtest/gtest.h>

#include "widget/core/PhotoAge.h"

namespace {

TEST(PhotoAge, AgeOnTheDayTakenInTheTooltipsFormat) {
    const struct {
        CalendarDate birthday, taken;
        std::string text;
    } cases[] = {
        {{2020, 5, 10}, {2020, 5, 10}, "この写真: 0歳0ヶ月0日"},
        {{2020, 1, 31}, {2020, 2, 29}, "この写真: 0歳0ヶ月29日"},
        {{2020, 1, 31}, {2020, 3, 1}, "この写真: 0歳1ヶ月0日"},
        {{2020, 2, 29}, {2021, 2, 28}, "この写真: 0歳11ヶ月30日"},
        {{2020, 2, 29}, {2021, 3, 1}, "この写真: 1歳0ヶ月0日"},
        {{2020, 5, 10}, {2020, 5, 9}, "この写真: 生まれる前"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PhotoAgeText(c.birthday, c.taken), c.text) << FormatDate(c.taken);
    SettingRecord record = NewSettingRecord({2020, 5, 10});
    const FolderView folder{FolderStatus::Shown, PhotoEntry{"a.jpg", DayNumber({2021, 7, 13}) * 86400, false}};
    EXPECT_EQ(PhotoMemoryLines(record, folder, DayNumber({2020, 6, 10}) * 86400, {2024, 7, 13}),
              "この写真: 0歳1ヶ月0日");
    record.PictureFolder = "D:\\photos";
    record.PictureOrder = 3;
    EXPECT_EQ(PhotoMemoryLines(record, folder, std::nullopt, {2024, 7, 13}), "3年前の今日\r\nこの写真: 1歳2ヶ月3日");
}

}  // namespace
