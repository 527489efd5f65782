// The manager window's list lines, the number of a new setting, and whether Add and Delete
// change the list after the widget ended.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "manager/core/SettingCaption.h"
#include "manager/core/SettingList.h"
#include "manager/core/SettingListEdits.h"
#include "tests/native/ProfileTestFolder.h"

namespace {

using namespace PimmoHouseModule;

class ManagerWindow : public testing::Test {
protected:
    ProfileTestFolder m_folder;
    const std::string m_file = m_folder.File("user1.ini");
};

TEST_F(ManagerWindow, CaptionReadsNameAndBirthdayOfTheSection) {
    const struct {
        const char* file;
        const char* expected;
    } kCases[] = {
        {"[Pimmo3]\r\nPimmoName=Taro\r\nPimmoBirthDay=2000/07/22\r\n", "Taro (2000年07月22日生まれ)"},
        // The file holds the system's ANSI code page: 太郎 in Shift-JIS.
        {"[PIMMO3]\r\nPimmoName=\x91\xbe\x98Y\r\nPimmoBirthDay=1999/3/5\r\n", "太郎 (1999年03月05日生まれ)"},
        {"[Pimmo3]\r\nPimmoName=Taro\r\nPimmoBirthDay=someday\r\n", "Taro (生年月日不明)"},
        {"[Pimmo3]\r\nPimmoName=Taro\r\nPimmoBirthDay=2000/02/30\r\n", "Taro (生年月日不明)"},
        {"[Pimmo3]\r\nPimmoName=Taro\r\nPimmoBirthDay=\r\n", "Taro (生年月日不明)"},
        {"[Pimmo30]\r\nPimmoName=Other\r\nPimmoBirthDay=2000/07/22\r\n", " (生年月日不明)"},
    };
    for (const auto& c : kCases) {
        WriteBytes(m_file, c.file);
        EXPECT_EQ(SettingCaption(m_file, 3), c.expected) << c.file;
    }
}

TEST_F(ManagerWindow, NewSettingNumberIsFreeAndNotListed) {
    const struct {
        const char* name;
        const char* file;
        std::vector<int16_t> list;
        std::optional<int16_t> expected;
    } kCases[] = {
        {"no file", nullptr, {}, 1},
        {"after 1 and 2", "[Pimmo1]\r\nPimmoName=a\r\n[Pimmo2]\r\nPimmoName=b\r\n", {1, 2}, 3},
        {"emptied section reused", "[Pimmo1]\r\nPimmoName=\r\nPictureFile=x\r\n[Pimmo2]\r\nPimmoName=b\r\n", {2}, 1},
        {"listed though emptied", "[Pimmo1]\r\nPimmoName=\r\n[Pimmo2]\r\nPimmoName=b\r\n", {1, 2}, 3},
        {"named though unlisted", "[Pimmo1]\r\nPimmoName=a\r\n", {}, 2},
        {"widget creating it", "[Pimmo1]\r\nPimmoName=\r\nLockSetting=locked\r\n", {}, 2},
        {"gap", "[Pimmo1]\r\nPimmoName=a\r\n[Pimmo3]\r\nPimmoName=c\r\n", {1, 3}, 2},
        {"upper-case sections", "[PIMMO1]\r\nPimmoName=a\r\n", {}, 2},
    };
    for (const auto& c : kCases) {
        std::remove(m_file.c_str());
        if (c.file != nullptr)
            WriteBytes(m_file, c.file);
        EXPECT_EQ(NewSettingNumber(m_file, SettingList{c.list}), c.expected) << c.name;
    }
}

TEST_F(ManagerWindow, NoNewSettingNumberWhenTheListIsFull) {
    EXPECT_EQ(NewSettingNumber(m_file, SettingList{std::vector<int16_t>(32767, 1)}), std::nullopt);
}

TEST_F(ManagerWindow, DeleteRemovesTheLineOnlyWhenTheWidgetEmptiedTheSetting) {
    const char* kList = "[PimmoHouse]\r\nNumbersOfSettings=3\r\nSetting1=5\r\nSetting2=2\r\nSetting3=9\r\n";
    const struct {
        const char* name;
        const char* section;  // setting 5 as the widget left it
        bool removed;
        std::vector<int16_t> after;
    } kCases[] = {
        {"emptied", "[Pimmo5]\r\nLockSetting=\r\nPimmoName=\r\n", true, {2, 9}},
        {"never existed", "", true, {2, 9}},
        {"refused while locked", "[Pimmo5]\r\nLockSetting=locked\r\nPimmoName=Taro\r\n", false, {5, 2, 9}},
    };
    for (const auto& c : kCases) {
        const std::string text = std::string(kList) + c.section;
        WriteBytes(m_file, text);
        SettingList list = std::get<SettingList>(LoadSettingList(m_file));
        EXPECT_EQ(CompleteDelete(m_file, list, 0).changed, c.removed) << c.name;
        EXPECT_EQ(list.numbers, c.after) << c.name;
        EXPECT_EQ(std::get<SettingList>(LoadSettingList(m_file)).numbers, c.after) << c.name;
        if (!c.removed) {
            EXPECT_EQ(ReadBytes(m_file), text) << c.name;
        }
    }
}

TEST_F(ManagerWindow, DeleteOfALineOutsideTheListChangesNothing) {
    SettingList list{{5}};
    EXPECT_FALSE(CompleteDelete(m_file, list, 1).changed);
    EXPECT_EQ(list.numbers, std::vector<int16_t>{5});
}

TEST_F(ManagerWindow, AddListsTheSettingOnlyWhenTheWidgetSavedIt) {
    const char* kList = "[PimmoHouse]\r\nNumbersOfSettings=1\r\nSetting1=1\r\n[Pimmo1]\r\nPimmoName=a\r\n";
    const struct {
        const char* name;
        const char* section;  // setting 3 as the widget left it
        std::optional<std::string> line;
        std::vector<int16_t> after;
    } kCases[] = {
        {"saved",
         "[PIMMO3]\r\nPimmoName=Pimmo\r\nPimmoBirthDay=2024/01/09\r\n",
         "Pimmo (2024年01月09日生まれ)",
         {1, 3}},
        {"refused", "[PIMMO3]\r\nLockSetting=locked\r\n", std::nullopt, {1}},
        {"nothing written", "", std::nullopt, {1}},
    };
    for (const auto& c : kCases) {
        WriteBytes(m_file, std::string(kList) + c.section);
        SettingList list = std::get<SettingList>(LoadSettingList(m_file));
        const ListEdit edit = CompleteAdd(m_file, list, 3);
        EXPECT_EQ(edit.changed ? std::optional(edit.line) : std::nullopt, c.line) << c.name;
        EXPECT_EQ(list.numbers, c.after) << c.name;
        EXPECT_EQ(std::get<SettingList>(LoadSettingList(m_file)).numbers, c.after) << c.name;
    }
}

}  // namespace
