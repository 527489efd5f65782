#include <gtest/gtest.h>

#include <algorithm>

#include "widget/core/OptionsForm.h"

namespace {

const CalendarDate kToday{2025, 6, 1};

SettingRecord StoredRecord() {
    SettingRecord record = NewSettingRecord({2000, 3, 15});
    record.PimmoName = "Taro";
    record.PictureFile = "C:\\photos\\taro.jpg";
    return record;
}

std::string SelectedText(const ListControl& list) {
    if (list.selected < 0 || list.selected >= static_cast<int>(list.entries.size()))
        return "(none)";
    return list.entries[static_cast<size_t>(list.selected)];
}

TEST(OptionsLoad, YearListRunsFromNineteenEightyToThisYearAndKeepsAStoredYear) {
    const struct {
        int stored;
        int current;
        int first;
        int last;
        size_t count;
    } kCases[] = {
        {2000, 2025, 1980, 2025, 46},                                // a child born after 2020 can be entered
        {2025, 2025, 1980, 2025, 46},                                // this year's child: no second entry
        {1980, 2020, 1980, 2020, 41}, {1975, 2025, 1975, 2025, 47},  // older child: shown, not moved to 1980
        {2031, 2025, 1980, 2031, 47},  // birthday in a year still to come (clock set back)
        {0, 2025, 1980, 2025, 46},     // no valid birthday adds nothing
        {1990, 1970, 1980, 1990, 2},   // a clock before 1980 still offers 1980
    };
    for (const auto& c : kCases) {
        std::vector<int> years = BirthYears(c.stored, c.current);
        ASSERT_EQ(years.size(), c.count) << c.stored << " " << c.current;
        EXPECT_EQ(years.front(), c.first) << c.stored;
        EXPECT_EQ(years.back(), c.last) << c.stored;
        EXPECT_TRUE(std::is_sorted(years.begin(), years.end())) << c.stored;
    }
}

TEST(OptionsLoad, BirthdaySelectsItsEntries) {
    const struct {
        CalendarDate birthday;
        const char* year;
        const char* month;
        const char* day;
    } kCases[] = {
        {{1998, 4, 7}, "1998", "4", "7"},
        {{2023, 12, 31}, "2023", "12", "31"},
        {{2025, 6, 1}, "2025", "6", "1"},
        {{1975, 1, 1}, "1975", "1", "1"},
        {{2030, 2, 28}, "2030", "2", "28"},
        {{0, 0, 0}, "(none)", "(none)", "(none)"},
        {{2001, 2, 30}, "(none)", "(none)", "(none)"},  // not a date (edited file): nothing selected
    };
    for (const auto& c : kCases) {
        SettingRecord record = StoredRecord();
        record.PimmoBirthDay = c.birthday;
        OptionsForm form = LoadOptions(record, kToday);
        EXPECT_EQ(SelectedText(form.PimmoBirthYear), c.year) << c.year;
        EXPECT_EQ(SelectedText(form.PimmoBirthMonth), c.month) << c.year;
        EXPECT_EQ(SelectedText(form.PimmoBirthDay), c.day) << c.year;
        EXPECT_EQ(form.PimmoBirthMonth.entries.size(), 12u);
        EXPECT_EQ(form.PimmoBirthDay.entries.size(), 31u);
    }
    OptionsForm form = LoadOptions(StoredRecord(), kToday);
    EXPECT_EQ(form.PimmoBirthYear.selected, 20);  // 2000 is entry 20 of a list from 1980
}

TEST(OptionsLoad, FlagsBecomeCheckStatesAndOthersAreGrayed) {
    const struct {
        int16_t value;
        CheckState state;
    } kCases[] = {
        {0, CheckState::Unchecked}, {1, CheckState::Checked}, {2, CheckState::Grayed}, {-1, CheckState::Grayed}};
    for (const auto& c : kCases) {
        SettingRecord record = StoredRecord();
        record.WindowPosition = c.value;
        record.IsStretched = c.value;
        OptionsForm form = LoadOptions(record, kToday);
        EXPECT_EQ(form.PimmoIsTopMost, c.state) << c.value;
        EXPECT_EQ(form.PimmoIsPhotoStretch, c.state) << c.value;
        EXPECT_EQ(CheckedValue(c.state, c.value), c.value) << c.value;
    }
}

TEST(OptionsLoad, ScalingCheckBoxEnablesTheSizeControls) {
    const struct {
        int16_t isStretched;
        bool enabled;
    } kCases[] = {{0, false}, {1, true}, {3, true}};  // any value but 0 scales the photo
    for (const auto& c : kCases) {
        SettingRecord record = StoredRecord();
        record.IsStretched = c.isStretched;
        OptionsForm form = LoadOptions(record, kToday);
        EXPECT_EQ(form.PimmoStretchMode.enabled, c.enabled) << c.isStretched;
        EXPECT_EQ(form.PimmoPictureSize.enabled, c.enabled) << c.isStretched;
    }
    OptionsForm form = LoadOptions(StoredRecord(), kToday);
    const struct {
        CheckState clicked;
        bool enabled;
    } kClicks[] = {{CheckState::Checked, true}, {CheckState::Unchecked, false}, {CheckState::Grayed, true}};
    for (const auto& c : kClicks) {
        form.PimmoIsPhotoStretch = c.clicked;
        UpdateSizeControls(form);
        EXPECT_EQ(form.PimmoStretchMode.enabled, c.enabled);
        EXPECT_EQ(form.PimmoPictureSize.enabled, c.enabled);
        EXPECT_EQ(form.PimmoPictureSize.text, "160");  // disabled controls keep their values
    }
}

TEST(OptionsLoad, StretchModeAndSizeShowTheStoredValues) {
    const struct {
        int16_t mode;
        int selected;
        int16_t size;
        const char* text;
    } kCases[] = {
        {0, 0, 80, "80"}, {1, 1, 160, "160"}, {2, 2, 50, "50"}, {3, -1, 640, "640"}, {-1, -1, -5, "-5"},
    };
    for (const auto& c : kCases) {
        SettingRecord record = StoredRecord();
        record.StretchMode = c.mode;
        record.PictureSize = c.size;
        OptionsForm form = LoadOptions(record, kToday);
        EXPECT_EQ(form.PimmoStretchMode.selected, c.selected) << c.mode;
        EXPECT_EQ(form.PimmoPictureSize.text, c.text) << c.mode;
    }
    OptionsForm form = LoadOptions(StoredRecord(), kToday);
    EXPECT_EQ(form.PimmoStretchMode.entries, (std::vector<std::string>{" 幅", " 高さ", " 幅と高さの長いほう"}));
    EXPECT_EQ(form.PimmoPictureSize.entries,
              (std::vector<std::string>{"80", "160", "240", "320", "400", "480", "640"}));
}

TEST(OptionsLoad, ModeDecidesTheButtonsAndThePictureLabelShowsThePath) {
    const struct {
        OptionsMode mode;
        bool okCancel;
        bool wizardButtons;
    } kCases[] = {{OptionsMode::Options, true, false}, {OptionsMode::Wizard, false, true}};
    for (const auto& c : kCases) {
        OptionsForm form = LoadOptions(StoredRecord(), kToday, c.mode);
        EXPECT_EQ(form.caption, "Pimmo for Windowsの設定");
        EXPECT_EQ(form.CommandOKVisible, c.okCancel);
        EXPECT_EQ(form.CommandCancelVisible, c.okCancel);
        EXPECT_EQ(form.CommandNextVisible, c.wizardButtons);
        EXPECT_EQ(form.CommandSelectPictureVisible, c.wizardButtons);
    }
    const struct {
        const char* path;
        const char* label;
    } kLabels[] = {{"", "未設定"}, {"C:\\写真\\a.jpg", "C:\\写真\\a.jpg"}, {" ", " "}};
    for (const auto& c : kLabels) {
        SettingRecord record = StoredRecord();
        record.PictureFile = c.path;
        EXPECT_EQ(LoadOptions(record, kToday).LabelPictureFile, c.label);
        EXPECT_EQ(PictureFileLabel(c.path), c.label);
    }
}

}  // namespace
