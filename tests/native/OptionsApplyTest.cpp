#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "widget/core/OptionsApply.h"
#include "widget/core/PimmoTexts.h"

namespace {

const CalendarDate kToday{2025, 6, 1};

SettingRecord StoredRecord() {
    SettingRecord record = NewSettingRecord({2000, 3, 15});
    record.PimmoName = "Taro";
    record.PictureFile = "C:\\photos\\taro.jpg";
    record.IsStretched = 1;
    record.IsStretchBmpCashed = 1;
    return record;
}

// Every field, so that a refused form can be seen to leave the record exactly as it was.
std::string RecordText(const SettingRecord& r) {
    return std::to_string(r.WindowPosition) + "|" + r.PictureFile + "|" + std::to_string(r.LastWindowTop) + "|" +
           std::to_string(r.LastWindowLeft) + "|" + std::to_string(r.LastWindowBorder) + "|" + r.PimmoName + "|" +
           FormatDate(r.PimmoBirthDay) + "|" + std::to_string(r.IsStretched) + "|" + std::to_string(r.PictureSize) +
           "|" + std::to_string(r.StretchMode) + "|" + std::to_string(r.IsStretchBmpCashed);
}

void SelectEntry(ListControl& list, const std::string& text) {
    auto found = std::find(list.entries.begin(), list.entries.end(), text);
    ASSERT_NE(found, list.entries.end()) << text;
    list.selected = static_cast<int>(found - list.entries.begin());
}

void SelectDate(OptionsForm& form, int year, int month, int day) {
    SelectEntry(form.PimmoBirthYear, std::to_string(year));
    SelectEntry(form.PimmoBirthMonth, std::to_string(month));
    SelectEntry(form.PimmoBirthDay, std::to_string(day));
}

TEST(OptionsApply, SizeTextIsCheckedOnlyWhenItChanges) {
    const struct {
        const char* text;
        int16_t stored;
        std::string_view message;  // empty: applied
        int16_t size;
        int16_t flag;
    } kCases[] = {
        {"80", 160, "", 80, 0},
        {"79", 160, Text(PimmoText::SizeTooSmall), 160, 1},
        {"79.9", 160, Text(PimmoText::SizeTooSmall), 160, 1},
        {"80.4", 160, "", 80, 0},
        {"160.0", 160, "", 160, 1},  // the same number: cache stays valid
        {" 160 ", 160, "", 160, 1},
        {"50", 50, "", 50, 1},  // a stored size below 80 survives
        {"60", 50, Text(PimmoText::SizeTooSmall), 50, 1},
        {"240.5", 160, "", 240, 0},
        {"241.5", 160, "", 242, 0},  // halves to even
        {"1e2", 160, "", 100, 0},
        {"-100", 160, Text(PimmoText::SizeTooSmall), 160, 1},
        {"32767", 160, "", 32767, 0},
        {"32768", 160, Text(PimmoText::SizeTooLarge), 160, 1},
        {"99999", 160, Text(PimmoText::SizeTooLarge), 160, 1},
        {"", 160, Text(PimmoText::SizeNotNumber), 160, 1},
        {"abc", 160, Text(PimmoText::SizeNotNumber), 160, 1},
        {"160px", 160, Text(PimmoText::SizeNotNumber), 160, 1},
        {"", 50, Text(PimmoText::SizeNotNumber), 50, 1},
        {"１６０", 160, "", 160, 1},
        {"２４０", 160, "", 240, 0},  // full-width digits
        {"　３２０．０　", 160, "", 320, 0},
    };
    for (const auto& c : kCases) {
        SettingRecord record = StoredRecord();
        record.PictureSize = c.stored;
        const std::string before = RecordText(record);
        OptionsForm form = LoadOptions(record, kToday);
        form.PimmoPictureSize.text = c.text;
        form.PimmoName = "Hanako";
        ApplyResult result = ApplyOptions(form, record);
        EXPECT_EQ(result.message, c.message) << c.text;
        EXPECT_EQ(result.stored, std::string(c.message).empty()) << c.text;
        EXPECT_EQ(record.PictureSize, c.size) << c.text;
        EXPECT_EQ(record.IsStretchBmpCashed, c.flag) << c.text;
        if (!result.stored) {
            EXPECT_EQ(RecordText(record), before) << c.text;  // not even the name is stored
            EXPECT_EQ(result.focus, OptionsControl::PimmoPictureSize) << c.text;
            EXPECT_EQ(result.icon, MessageIcon::Exclamation) << c.text;
        }
    }
}

TEST(OptionsApply, OnlyScalingChangesMakeTheCacheStale) {
    const struct {
        const char* change;
        std::function<void(OptionsForm&)> edit;
        int16_t flag;
    } kCases[] = {
        {"nothing", [](OptionsForm&) {}, 1},
        {"name", [](OptionsForm& f) { f.PimmoName = "Hanako"; }, 1},
        {"birthday", [](OptionsForm& f) { SelectDate(f, 2001, 5, 5); }, 1},
        {"top-most", [](OptionsForm& f) { f.PimmoIsTopMost = CheckState::Checked; }, 1},
        {"size", [](OptionsForm& f) { f.PimmoPictureSize.text = "320"; }, 0},
        {"scaling off", [](OptionsForm& f) { f.PimmoIsPhotoStretch = CheckState::Unchecked; }, 0},
        {"scaling grayed", [](OptionsForm& f) { f.PimmoIsPhotoStretch = CheckState::Grayed; }, 1},
        {"mode", [](OptionsForm& f) { f.PimmoStretchMode.selected = 0; }, 0},
        {"mode unselected", [](OptionsForm& f) { f.PimmoStretchMode.selected = -1; }, 1},
        {"mode out of the list", [](OptionsForm& f) { f.PimmoStretchMode.selected = 7; }, 1},
    };
    for (const auto& c : kCases) {
        SettingRecord record = StoredRecord();
        OptionsForm form = LoadOptions(record, kToday);
        c.edit(form);
        ASSERT_TRUE(ApplyOptions(form, record).stored) << c.change;
        EXPECT_EQ(record.IsStretchBmpCashed, c.flag) << c.change;
    }
}

TEST(OptionsApply, EveryFieldIsStored) {
    SettingRecord record = StoredRecord();
    OptionsForm form = LoadOptions(record, kToday);
    form.PimmoName = "  ";  // only the empty name is refused
    SelectDate(form, 1998, 4, 7);
    form.PimmoIsTopMost = CheckState::Checked;
    form.PimmoIsPhotoStretch = CheckState::Unchecked;
    form.PimmoStretchMode.selected = 1;
    form.PimmoPictureSize.text = "480";
    ApplyResult result = ApplyOptions(form, record);
    ASSERT_TRUE(result.stored);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(result.focus, OptionsControl::None);
    EXPECT_EQ(record.PimmoName, "  ");
    EXPECT_EQ(record.PimmoBirthDay, (CalendarDate{1998, 4, 7}));
    EXPECT_EQ(record.WindowPosition, 1);
    EXPECT_EQ(record.IsStretched, 0);
    EXPECT_EQ(record.StretchMode, 1);
    EXPECT_EQ(record.PictureSize, 480);
    EXPECT_EQ(record.PictureFile, "C:\\photos\\taro.jpg");  // the dialog never changes the picture
    EXPECT_EQ(record.IsStretchBmpCashed, 0);
}

TEST(OptionsApply, BirthdayMustExist) {
    const struct {
        int year;
        int month;
        int day;
        std::string_view message;
    } kCases[] = {
        {1998, 4, 7, ""},
        {2024, 2, 29, ""},
        {2000, 2, 29, ""},
        {2025, 12, 31, ""},  // later this year: a child still to come
        {2025, 2, 29, "2025年2月29日という日はありません。正しい誕生日を指定してください"},
        {2001, 2, 30, "2001年2月30日という日はありません。正しい誕生日を指定してください"},
        {2023, 4, 31, "2023年4月31日という日はありません。正しい誕生日を指定してください"},
        {1980, 2, 31, "1980年2月31日という日はありません。正しい誕生日を指定してください"},
    };
    for (const auto& c : kCases) {
        SettingRecord record = StoredRecord();
        const std::string before = RecordText(record);
        OptionsForm form = LoadOptions(record, kToday);
        SelectDate(form, c.year, c.month, c.day);
        ApplyResult result = ApplyOptions(form, record);
        EXPECT_EQ(result.message, c.message) << c.year << "/" << c.month << "/" << c.day;
        if (result.stored) {
            EXPECT_EQ(record.PimmoBirthDay, (CalendarDate{c.year, c.month, c.day}));
        } else {
            EXPECT_EQ(RecordText(record), before);
            EXPECT_EQ(result.focus, OptionsControl::PimmoBirthDay);
            EXPECT_EQ(result.icon, MessageIcon::Exclamation);
        }
    }
}

// The birthday is 2000/3/15; entry 0 of each due-date list is empty. A refusal keeps the record.
TEST(OptionsApply, ADueDateIsWholeAndUpToTwentyWeeksAfterTheBirth) {
    using C = OptionsControl;
    const struct {
        std::string year, month, day;
        OptionsControl focus;  // None: stored
        CalendarDate stored;
    } kCases[] = {
        {"", "", "", C::None, {}},
        {"2000", "3", "15", C::None, {2000, 3, 15}},
        {"2000", "8", "2", C::None, {2000, 8, 2}},  // 20 weeks
        {"2000", "8", "3", C::PimmoDueYear, {}},
        {"2000", "3", "14", C::PimmoDueYear, {}},
        {"2000", "", "1", C::PimmoDueMonth, {}},
        {"2001", "2", "29", C::PimmoDueDay, {}},
    };
    for (const auto& c : kCases) {
        SettingRecord record = StoredRecord();
        const std::string before = RecordText(record);
        OptionsForm form = LoadOptions(record, kToday);
        SelectEntry(form.PimmoDueYear, c.year);
        SelectEntry(form.PimmoDueMonth, c.month);
        SelectEntry(form.PimmoDueDay, c.day);
        const ApplyResult result = ApplyOptions(form, record);
        EXPECT_EQ(result.focus, c.focus) << c.year << "/" << c.month << "/" << c.day << " " << result.message;
        EXPECT_EQ(record.PimmoDueDay, c.stored);
        EXPECT_TRUE(result.stored || RecordText(record) == before);
    }
    OptionsForm form = LoadOptions(StoredRecord(), kToday);
    SelectEntry(form.PimmoDueYear, "2000"), SelectEntry(form.PimmoDueMonth, "8"), SelectEntry(form.PimmoDueDay, "3");
    SettingRecord record = StoredRecord();
    EXPECT_EQ(ApplyOptions(form, record).message,
              "出産予定日が誕生日の20週より後になっています。正しい出産予定日を指定してください");
}

TEST(OptionsApply, AMissingBirthdaySelectionIsAskedFor) {
    const struct {
        bool year;
        bool month;
        bool day;
        OptionsControl focus;
    } kCases[] = {
        {false, true, true, OptionsControl::PimmoBirthYear},
        {true, false, true, OptionsControl::PimmoBirthMonth},
        {true, true, false, OptionsControl::PimmoBirthDay},
        {false, false, false, OptionsControl::PimmoBirthYear},
    };
    for (const auto& c : kCases) {
        SettingRecord record = StoredRecord();
        OptionsForm form = LoadOptions(record, kToday);
        if (!c.year)
            form.PimmoBirthYear.selected = -1;
        if (!c.month)
            form.PimmoBirthMonth.selected = 12;  // past the end counts as no selection
        if (!c.day)
            form.PimmoBirthDay.selected = -1;
        ApplyResult result = ApplyOptions(form, record);
        EXPECT_FALSE(result.stored);
        EXPECT_EQ(result.message, Text(PimmoText::BirthdayMissing));
        EXPECT_EQ(result.focus, c.focus);
        EXPECT_EQ(record.PimmoBirthDay, (CalendarDate{2000, 3, 15}));
    }
}

TEST(OptionsApply, ChecksRunInOrderNameSizeBirthday) {
    const struct {
        bool emptyName;
        bool badSize;
        bool badDate;
        std::string_view message;
        OptionsControl focus;
    } kCases[] = {
        {true, true, true, Text(PimmoText::NameMissing), OptionsControl::PimmoName},
        {true, false, false, Text(PimmoText::NameMissing), OptionsControl::PimmoName},
        {false, true, true, Text(PimmoText::SizeTooSmall), OptionsControl::PimmoPictureSize},
        {false, false, true, "2001年2月29日という日はありません。正しい誕生日を指定してください",
         OptionsControl::PimmoBirthDay},
    };
    for (const auto& c : kCases) {
        SettingRecord record = StoredRecord();
        const std::string before = RecordText(record);
        OptionsForm form = LoadOptions(record, kToday);
        if (c.emptyName)
            form.PimmoName.clear();
        if (c.badSize)
            form.PimmoPictureSize.text = "79";
        if (c.badDate)
            SelectDate(form, 2001, 2, 29);
        form.PimmoIsTopMost = CheckState::Checked;
        ApplyResult result = ApplyOptions(form, record);
        EXPECT_FALSE(result.stored);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.focus, c.focus);
        EXPECT_EQ(RecordText(record), before);
    }
}

TEST(OptionsApply, ValuesWithoutAnEntryAreKept) {
    const struct {
        const char* what;
        std::function<void(SettingRecord&)> set;
    } kCases[] = {
        {"year before the list",
         [](SettingRecord& r) {
             r.PimmoBirthDay = {1975, 5, 5};
         }},
        {"year after the list",
         [](SettingRecord& r) {
             r.PimmoBirthDay = {2031, 1, 1};
         }},
        {"window at the bottom", [](SettingRecord& r) { r.WindowPosition = 2; }},
        {"odd scaling flag", [](SettingRecord& r) { r.IsStretched = 5; }},
        {"stretch mode from an edited file", [](SettingRecord& r) { r.StretchMode = 4; }},
        {"size below the limit", [](SettingRecord& r) { r.PictureSize = 10; }},
    };
    for (const auto& c : kCases) {
        SettingRecord record = StoredRecord();
        c.set(record);
        const std::string before = RecordText(record);
        ASSERT_TRUE(ApplyOptions(LoadOptions(record, kToday), record).stored) << c.what;
        EXPECT_EQ(RecordText(record), before) << c.what;
    }
    SettingRecord record = StoredRecord();
    record.WindowPosition = 2;
    OptionsForm form = LoadOptions(record, kToday);
    form.PimmoIsTopMost = CheckState::Unchecked;  // the user decides after all
    ASSERT_TRUE(ApplyOptions(form, record).stored);
    EXPECT_EQ(record.WindowPosition, 0);
}

TEST(OptionsApply, ANewSettingTodayCanBeStored) {
    SettingRecord record = NewSettingRecord(kToday);
    record.PictureFile = "C:\\p.jpg";
    OptionsForm form = LoadOptions(record, kToday, OptionsMode::Wizard);
    EXPECT_EQ(form.PimmoBirthYear.entries.back(), "2025");
    ApplyResult result = FinishWizard(form, record);
    ASSERT_TRUE(result.stored);
    EXPECT_EQ(record.PimmoBirthDay, kToday);
    EXPECT_EQ(record.PimmoName, "Pimmo");
}

TEST(OptionsApply, WizardAsksForThePictureFirst) {
    const struct {
        const char* picture;
        const char* name;
        std::string_view message;
        MessageIcon icon;
        OptionsControl focus;
    } kCases[] = {
        {"", "", Text(PimmoText::PictureMissing), MessageIcon::None, OptionsControl::CommandSelectPicture},
        {"", "Taro", Text(PimmoText::PictureMissing), MessageIcon::None, OptionsControl::CommandSelectPicture},
        {"C:\\p.jpg", "", Text(PimmoText::NameMissing), MessageIcon::Exclamation, OptionsControl::PimmoName},
        {"C:\\p.jpg", "Taro", "", MessageIcon::None, OptionsControl::None},
    };
    for (const auto& c : kCases) {
        SettingRecord record = NewSettingRecord(kToday);
        record.PictureFile = c.picture;
        const std::string before = RecordText(record);
        OptionsForm form = LoadOptions(record, kToday, OptionsMode::Wizard);
        form.PimmoName = c.name;
        form.PimmoPictureSize.text = "79";  // a picture refusal comes before any other check
        if (std::string(c.message).empty())
            form.PimmoPictureSize.text = "160";
        ApplyResult result = FinishWizard(form, record);
        EXPECT_EQ(result.message, c.message) << c.picture << c.name;
        EXPECT_EQ(result.icon, c.icon) << c.picture << c.name;
        EXPECT_EQ(result.focus, c.focus) << c.picture << c.name;
        EXPECT_EQ(result.stored, std::string(c.message).empty());
        if (!result.stored) {
            EXPECT_EQ(RecordText(record), before);
        }
    }
}

TEST(OptionsApply, MessageTextsAreTheProgramsOwn) {
    EXPECT_EQ(Text(PimmoText::NameMissing), "子供の名前を指定してください");
    EXPECT_EQ(Text(PimmoText::SizeTooSmall), "80ピクセル以下の数値は指定できません");
    EXPECT_EQ(Text(PimmoText::PictureMissing), "子供の写真を設定してください");
}

}  // namespace
