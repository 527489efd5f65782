// house's setting list in the section "PimmoHouse" of real profile files.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "manager/core/HouseMessages.h"
#include "manager/core/SettingList.h"
#include "tests/native/ProfileTestFolder.h"

namespace {

using namespace PimmoHouseModule;

class ManagerSettingList : public testing::Test {
protected:
    ProfileTestFolder m_folder;
    const std::string m_file = m_folder.File("user1.ini");
};

TEST_F(ManagerSettingList, LoadsTheStoredOrder) {
    const struct {
        const char* name;
        const char* file;
        std::vector<int16_t> expected;
    } kCases[] = {
        {"no file", nullptr, {}},
        {"no list section", "[Pimmo1]\r\nPimmoName=a\r\n", {}},
        {"no count key", "[PimmoHouse]\r\nSetting1=4\r\n", {}},
        {"count zero", "[PimmoHouse]\r\nNumbersOfSettings=0\r\n", {}},
        {"two entries", "[PimmoHouse]\r\nNumbersOfSettings=2\r\nSetting1=1\r\nSetting2=4\r\n", {1, 4}},
        {"stale tail unread", "[PimmoHouse]\r\nNumbersOfSettings=1\r\nSetting1=5\r\nSetting2=oops\r\n", {5}},
        {"names in any case", "[pimmohouse]\r\nnumbersofsettings=2\r\nSETTING1= 3 \r\nsetting2=-2\r\n", {3, -2}},
        {"order kept, duplicates kept",
         "[PimmoHouse]\r\nNumbersOfSettings=3\r\nSetting3=1\r\nSetting1=9\r\nSetting2=9\r\n",
         {9, 9, 1}},
    };
    for (const auto& c : kCases) {
        if (c.file != nullptr)
            WriteBytes(m_file, c.file);
        SettingListLoad load = LoadSettingList(m_file);
        ASSERT_TRUE(std::holds_alternative<SettingList>(load)) << c.name;
        EXPECT_EQ(std::get<SettingList>(load).numbers, c.expected) << c.name;
    }
}

TEST_F(ManagerSettingList, UnreadableListNamesFileKeyAndValueAndWritesNothing) {
    const struct {
        const char* lines;
        const char* key;
        const char* value;
    } kCases[] = {
        {"NumbersOfSettings=3\r\nSetting1=1\r\nSetting2=2\r\n", "Setting3", ""},
        {"NumbersOfSettings=2\r\nSetting1=1\r\nSetting2=\r\n", "Setting2", ""},
        {"NumbersOfSettings=abc\r\n", "NumbersOfSettings", "abc"},
        {"NumbersOfSettings=\r\n", "NumbersOfSettings", ""},
        {"NumbersOfSettings=40000\r\n", "NumbersOfSettings", "40000"},
        {"NumbersOfSettings=-1\r\n", "NumbersOfSettings", "-1"},
        {"NumbersOfSettings=1\r\nSetting1=x\r\n", "Setting1", "x"},
        {"NumbersOfSettings=1\r\nSetting1=32768\r\n", "Setting1", "32768"},
        {"NumbersOfSettings=1\r\nSetting1=0x10\r\n", "Setting1", "0x10"},
    };
    for (const auto& c : kCases) {
        const std::string text = std::string("[PimmoHouse]\r\n") + c.lines;
        WriteBytes(m_file, text);
        SettingListLoad load = LoadSettingList(m_file);
        ASSERT_TRUE(std::holds_alternative<UnreadableSettingList>(load)) << c.lines;
        const auto& error = std::get<UnreadableSettingList>(load);
        EXPECT_EQ(error.file, m_file) << c.lines;
        EXPECT_EQ(error.key, c.key) << c.lines;
        EXPECT_EQ(error.value, c.value) << c.lines;
        const std::string message = UnreadableListMessage(error).text;
        EXPECT_NE(message.find(m_file), std::string::npos) << c.lines;
        EXPECT_NE(message.find(std::string("キー: ") + c.key + "\r\n"), std::string::npos) << c.lines;
        EXPECT_EQ(ReadBytes(m_file), text) << c.lines;
    }
}

TEST_F(ManagerSettingList, UnreadableListMessageText) {
    WriteBytes(m_file, "[PimmoHouse]\r\nNumbersOfSettings=2\r\nSetting1=7\r\n");
    const auto error = std::get<UnreadableSettingList>(LoadSettingList(m_file));
    const HouseMessage box = UnreadableListMessage(error);
    EXPECT_EQ(box.text, "設定一覧を読み取れないため、Pimmoハウスを終了します。\r\nファイル: " + m_file +
                            "\r\nセクション: [PimmoHouse]\r\nキー: Setting2\r\n値: (空)\r\n"
                            "設定番号は -32768 から 32767 までの整数で指定してください");
    EXPECT_EQ(box.icon, MessageIcon::Stop);
}

TEST_F(ManagerSettingList, SavesTheLayoutAndKeepsTheStaleTail) {
    const struct {
        const char* name;
        const char* before;  // nullptr: no file
        std::vector<int16_t> list;
        size_t removeLine;  // SIZE_MAX: nothing removed
        const char* after;
    } kCases[] = {
        {"empty list into no file", nullptr, {}, SIZE_MAX, "[PimmoHouse]\r\nNumbersOfSettings=0\r\n"},
        {"two entries",
         nullptr,
         {1, 4},
         SIZE_MAX,
         "[PimmoHouse]\r\nNumbersOfSettings=2\r\nSetting1=1\r\nSetting2=4\r\n"},
        {"remove first of 5 2 9",
         "[PimmoHouse]\r\nNumbersOfSettings=3\r\nSetting1=5\r\nSetting2=2\r\nSetting3=9\r\n",
         {5, 2, 9},
         0,
         "[PimmoHouse]\r\nNumbersOfSettings=2\r\nSetting1=2\r\nSetting2=9\r\nSetting3=9\r\n"},
        {"remove last of 5 2 9",
         "[PimmoHouse]\r\nNumbersOfSettings=3\r\nSetting1=5\r\nSetting2=2\r\nSetting3=9\r\n",
         {5, 2, 9},
         2,
         "[PimmoHouse]\r\nNumbersOfSettings=2\r\nSetting1=5\r\nSetting2=2\r\nSetting3=9\r\n"},
        {"other sections untouched",
         "[Pimmo1]\r\nPimmoName=a\r\n",
         {1},
         SIZE_MAX,
         "[Pimmo1]\r\nPimmoName=a\r\n[PimmoHouse]\r\nNumbersOfSettings=1\r\nSetting1=1\r\n"},
    };
    for (const auto& c : kCases) {
        std::remove(m_file.c_str());
        if (c.before != nullptr)
            WriteBytes(m_file, c.before);
        SettingList list{c.list};
        if (c.removeLine != SIZE_MAX) {
            ASSERT_TRUE(RemoveSetting(list, c.removeLine)) << c.name;
        }
        SaveSettingList(m_file, list);
        EXPECT_EQ(ReadBytes(m_file), c.after) << c.name;
        EXPECT_EQ(std::get<SettingList>(LoadSettingList(m_file)), list) << c.name;
    }
}

TEST(ManagerSettingListEdits, AppendAndRemoveKeepTheOrder) {
    SettingList list{{5, 2, 9}};
    EXPECT_TRUE(AppendSetting(list, 4));
    EXPECT_EQ(list.numbers, (std::vector<int16_t>{5, 2, 9, 4}));
    EXPECT_TRUE(RemoveSetting(list, 1));
    EXPECT_EQ(list.numbers, (std::vector<int16_t>{5, 9, 4}));
    EXPECT_FALSE(RemoveSetting(list, 3));
    EXPECT_EQ(list.numbers, (std::vector<int16_t>{5, 9, 4}));
    EXPECT_TRUE(IsListed(list, 9));
    EXPECT_FALSE(IsListed(list, 2));
}

TEST(ManagerSettingListEdits, AppendStopsAtTheSixteenBitCount) {
    SettingList list{std::vector<int16_t>(32766, 1)};
    EXPECT_TRUE(AppendSetting(list, 2));
    EXPECT_FALSE(AppendSetting(list, 3));
    EXPECT_EQ(list.numbers.size(), 32767u);
    EXPECT_EQ(list.numbers.back(), 2);
}

TEST_F(ManagerSettingList, AnyLockTextMeansRunning) {
    const struct {
        const char* file;
        int16_t number;
        bool running;
    } kCases[] = {
        {"[Pimmo3]\r\nLockSetting=locked\r\n", 3, true}, {"[PIMMO3]\r\nLockSetting=locked\r\n", 3, true},
        {"[Pimmo3]\r\nLockSetting=1\r\n", 3, true},      {"[Pimmo3]\r\nLockSetting=\r\n", 3, false},
        {"[Pimmo3]\r\nPimmoName=a\r\n", 3, false},       {"[Pimmo30]\r\nLockSetting=locked\r\n", 3, false},
        {"[Pimmo]\r\nLockSetting=locked\r\n", 0, true},  {"[Pimmo]\r\nLockSetting=locked\r\n", 3, false},
    };
    for (const auto& c : kCases) {
        WriteBytes(m_file, c.file);
        EXPECT_EQ(IsSettingRunning(m_file, c.number), c.running) << c.file << " setting " << c.number;
    }
}

}  // namespace
