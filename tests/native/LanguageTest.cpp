#include <gtest/gtest.h>

#include "base/core/BaseTexts.h"
#include "checker/core/CheckerTexts.h"
#include "common/core/CommonTexts.h"
#include "manager/core/HouseTexts.h"
#include "widget/core/AgeMessages.h"
#include "widget/core/AgeTooltip.h"
#include "widget/core/MissedMilestone.h"
#include "widget/core/PhotoAge.h"
#include "widget/core/PimmoTexts.h"
#include "widget/core/ThisDayPhoto.h"

namespace {

// Kana, kanji and full-width forms all start with a UTF-8 lead byte from E3 to E9 or EF.
bool HasJapaneseCharacter(std::string_view text) {
    for (unsigned char c : text)
        if ((c >= 0xE3 && c <= 0xE9) || c == 0xEF)
            return true;
    return false;
}

template <typename Id>
void ExpectBothLanguages(const char* catalogue) {
    for (int i = 0; i < static_cast<int>(Id::Count); ++i) {
        const std::string_view japanese = Text(static_cast<Id>(i), Language::Japanese);
        const std::string_view english = Text(static_cast<Id>(i), Language::English);
        EXPECT_FALSE(japanese.empty()) << catalogue << " entry " << i;
        EXPECT_FALSE(english.empty() || HasJapaneseCharacter(english)) << catalogue << " entry " << i;
        // English may leave an argument out ("tomorrow" for "in 1 day"), never add one.
        EXPECT_EQ(PlaceholdersOf(english) & ~PlaceholdersOf(japanese), 0u) << catalogue << " entry " << i;
    }
}

CalendarDate Plus(const CalendarDate& date, int64_t days) {
    return DateFromDayNumber(DayNumber(date) + days);
}

}  // namespace

TEST(Catalogues, EveryEntryIsInBothLanguages) {
    ExpectBothLanguages<BaseText>("base");
    ExpectBothLanguages<CommonText>("common");
    ExpectBothLanguages<PimmoText>("pimmo");
    ExpectBothLanguages<PimmoHouseModule::HouseText>("house");
    ExpectBothLanguages<Pruvo::CheckerText>("pruvo");
}

TEST(Language, FollowsThePrimaryLanguageOfTheUiLanguage) {
    const struct {
        uint16_t id;
        Language expected;
    } cases[] = {{0x0411, Language::Japanese}, {0x0011, Language::Japanese}, {0x0409, Language::English},
                 {0x0809, Language::English},  {0x0407, Language::English},  {0x0000, Language::English}};
    for (const auto& c : cases)
        EXPECT_EQ(LanguageOfUiLanguage(c.id), c.expected) << std::hex << c.id;
}

TEST(Language, CountsAndOrdinals) {
    const struct {
        int64_t number;
        const char* count;
        const char* ordinal;
    } cases[] = {{0, "0", "0th"},
                 {1, "1", "1st"},
                 {2, "2", "2nd"},
                 {3, "3", "3rd"},
                 {11, "11", "11th"},
                 {12, "12", "12th"},
                 {13, "13", "13th"},
                 {21, "21", "21st"},
                 {111, "111", "111th"},
                 {1000, "1,000", "1,000th"},
                 {1001, "1,001", "1,001st"},
                 {1234567, "1,234,567", "1,234,567th"},
                 {-1234, "-1,234", "-1,234th"}};
    for (const auto& c : cases) {
        EXPECT_EQ(CountText(c.number, Language::English), c.count);
        EXPECT_EQ(OrdinalText(c.number, Language::English), c.ordinal);
        EXPECT_EQ(CountText(c.number, Language::Japanese), std::to_string(c.number));
    }
    EXPECT_EQ(FormatText("{1} and {0}, {2} {x}", {"a", "b"}), "b and a, {2} {x}");
    EXPECT_EQ(LanguageFilePath("C:\\x.y\\pimmo.hlp", Language::English), "C:\\x.y\\pimmo-en.hlp");
    EXPECT_EQ(LanguageFilePath("C:\\x.y\\PRUVO", Language::English), "C:\\x.y\\PRUVO-en");
    EXPECT_EQ(LanguageFilePath("C:\\x\\pimmo.hlp", Language::Japanese), "C:\\x\\pimmo.hlp");
}

TEST(EnglishAges, TooltipCaptionAndMessage) {
    const struct {
        CalendarDate birthday;
        int64_t daysSince;  // today = birthday + daysSince
        const char* tooltip;
        const char* message;
    } cases[] = {
        {{2024, 1, 1}, 0, "0 days\r\nToday is day 1 for Taro\r\nNext milestone: 10th day (in 9 days)", ""},
        {{2024, 1, 1}, 1, "1 day\r\nToday is day 2 for Taro\r\nNext milestone: 10th day (in 8 days)", ""},
        {{2024, 1, 1}, 8, "8 days\r\nToday is day 9 for Taro\r\nNext milestone: 10th day (tomorrow)", ""},
        {{2024, 1, 1},
         366,
         "1 year\r\nToday is day 367 for Taro\r\nNext milestone: 400th day (in 33 days)",
         "Today is Taro's 1st birthday!"},
        {{2020, 2, 29},
         1461,
         "4 years\r\nToday is day 1,462 for Taro\r\nNext milestone: 1,500th day (in 38 days)",
         "Today is Taro's 4th birthday!"},
        {{2020, 1, 10},
         826,
         "2 years 3 months 5 days\r\nToday is day 827 for Taro\r\nNext milestone: 888th day (in 61 days)",
         ""},
        {{2023, 2, 1},
         59,
         "2 months\r\nToday is day 60 for Taro\r\nNext milestone: 70th day (in 10 days)",
         "Today is Taro's 2-month birthday and 60th day!"},
        {{2024, 1, 1},
         999,
         "2 years 8 months 25 days\r\nToday is day 1,000 for Taro\r\nNext milestone: 3rd birthday (in 97 days)",
         "Today is Taro's 1,000th day!"},
        {{2024, 1, 10},
         -1,
         "1 day until birth\r\nToday is day 0 for Taro\r\nNext milestone: 10th day (in 10 days)",
         ""},
    };
    for (const auto& c : cases) {
        const CalendarDate today = Plus(c.birthday, c.daysSince);
        EXPECT_EQ(AgeTooltipText("Taro", c.birthday, today, Language::English), c.tooltip) << c.daysSince;
        EXPECT_EQ(AnniversaryMessageText("Taro", c.birthday, today, Language::English), c.message) << c.daysSince;
    }
    // The title bar's short form, the name first; the tooltip above keeps the long one.
    EXPECT_EQ(AgeCaption("Maximilian", {2024, 1, 1}, Plus({2024, 1, 1}, 1233), Language::English),
              "Maximilian: day 1,234");
}

TEST(EnglishAges, PhotoMemoriesAndMissedMilestone) {
    constexpr Language en = Language::English;
    EXPECT_EQ(PhotoAgeText({2023, 6, 10}, {2024, 8, 13}, en), "This photo: 1 year 2 months 3 days");
    EXPECT_EQ(PhotoAgeText({2023, 6, 10}, {2023, 6, 9}, en), "This photo: before birth");
    EXPECT_EQ(ThisDayLabel({2021, 12, 9}, {2024, 12, 9}, en), "3 years ago today");
    EXPECT_EQ(ThisDayLabel({2023, 12, 9}, {2024, 12, 9}, en), "1 year ago today");
    EXPECT_EQ(MissedMilestoneText("Hana", {2023, 6, 10}, "2024/06/06", {2024, 6, 13}, en),
              "It was Hana's 1st birthday 3 days ago.");
    EXPECT_EQ(MissedMilestoneText("Hana", {2023, 6, 10}, "2023/07/25", {2023, 7, 30}, en),
              "It was Hana's 50th day yesterday.");
    EXPECT_EQ(MissedMilestoneText("Hana", {2000, 2, 1}, "2000/02/27", {2000, 3, 2}, en),
              "It was Hana's 1-month birthday and 30th day yesterday.");
}
