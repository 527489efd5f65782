// house's edits of the shared profile file: each is one transaction whose bytes are those of the
// key-by-key writes it replaced, and both programs find a setting under either section spelling.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <variant>

#include "common/core/ProfileAccess.h"
#include "common/core/SettingSections.h"
#include "common/core/SettingStore.h"
#include "manager/core/HouseModes.h"
#include "manager/core/SettingCaption.h"
#include "manager/core/SettingListEdits.h"
#include "tests/native/ProfileTestFolder.h"

namespace {

using namespace PimmoHouseModule;

SettingList Listed(const std::string& file) {
    return std::get<SettingList>(LoadSettingList(file));
}

// The list as house stored it before, one key at a time.
void SaveListKeyByKey(const std::string& file, const SettingList& list) {
    WriteProfileEntry(file, "PimmoHouse", "NumbersOfSettings", std::to_string(list.numbers.size()));
    for (size_t i = 0; i < list.numbers.size(); ++i)
        WriteProfileEntry(file, "PimmoHouse", "Setting" + std::to_string(i + 1), std::to_string(list.numbers[i]));
}

struct Edit {
    const char* name;
    const char* setup;  // appended to both files first, after a line break: what the widget left
    std::function<void(const std::string& file)> transaction;
    std::function<void(const std::string& file)> keyByKey;
};

const Edit kEdits[] = {
    {"add", "[PIMMO9]\r\nPimmoName=Hana\r\n",
     [](const std::string& file) {
         SettingList list = Listed(file);
         EXPECT_TRUE(CompleteAdd(file, list, 9).changed);
     },
     [](const std::string& file) {
         SettingList list = Listed(file);
         list.numbers.push_back(9);
         SaveListKeyByKey(file, list);
     }},
    {"delete", "[Pimmo5]\r\nPimmoName=\r\n",
     [](const std::string& file) {
         SettingList list = Listed(file);
         EXPECT_TRUE(CompleteDelete(file, list, 0).changed);
     },
     [](const std::string& file) {
         SettingList list = Listed(file);
         list.numbers.erase(list.numbers.begin());
         SaveListKeyByKey(file, list);
     }},
    {"/R", "", [](const std::string& file) { EXPECT_TRUE(ReleaseAllStartLocks(file, Listed(file)).saved); },
     [](const std::string& file) {
         SettingList list = Listed(file);
         list.numbers.insert(list.numbers.begin(), 0);
         for (int16_t number : list.numbers)
             if (!ReadProfileEntry(file, HouseSettingSection(number), "LockSetting", "").empty())
                 WriteProfileEntry(file, HouseSettingSection(number), "LockSetting", "");
     }},
    {"/P", "[Pimmo3]\r\nLockSetting=stale\r\n",
     [](const std::string& file) { ResetWindowPositions(file, Listed(file)); },
     [](const std::string& file) {
         for (int16_t number : Listed(file).numbers)  // the check pass: a running widget stops it
             if (ReadProfileEntry(file, HouseSettingSection(number), "LockSetting", "") == "locked")
                 return;
         for (int16_t number : Listed(file).numbers) {
             WriteProfileEntry(file, HouseSettingSection(number), "LastWindowTop", "0");
             WriteProfileEntry(file, HouseSettingSection(number), "LastWindowLeft", "0");
         }
     }},
};

const char* const kStartingFiles[] = {
    "[PimmoHouse]\r\nNumbersOfSettings=2\r\nSetting1=5\r\nSetting2=3\r\n",
    "[PimmoHouse]\r\nNumbersOfSettings=3\r\nSetting1=5\r\nSetting2=3\r\nSetting3=5\r\nSetting4=7\r\n[Pimmo]\r\n"
    "LockSetting=locked\r\n[PIMMO3]\r\nLockSetting=locked\r\nLastWindowTop=900\r\n",
    "; by hand\n[pimmohouse]\nnumbersofsettings = 2\n\nsetting2=3\nSETTING1= 5\n[pimmo5]\nlocksetting=x\n"
    "lastwindowleft = 7 ; old",
    "[Pimmo7]\r\nPimmoName=Taro\r\n[Other]\r\nk=v\r\n[PimmoHouse]\r\nNumbersOfSettings=2\r\nSetting1=5\r\nSetting2=3",
};

TEST(HouseTransactions, EachEditWritesTheBytesOfItsKeyByKeyWrites) {
    ProfileTestFolder folder;
    const std::string batch = folder.File("batch.ini"), single = folder.File("single.ini");
    for (const Edit& edit : kEdits) {
        for (const char* start : kStartingFiles) {
            WriteBytes(batch, std::string(start) + "\r\n" + edit.setup);
            WriteBytes(single, std::string(start) + "\r\n" + edit.setup);
            edit.transaction(batch);
            edit.keyByKey(single);
            EXPECT_EQ(ReadBytes(batch), ReadBytes(single)) << edit.name << " on " << start;
        }
    }
}

TEST(HouseTransactions, ARefusedWriteChangesNeitherTheFileNorTheList) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    const std::string text = std::string(kStartingFiles[0]) + "[PIMMO9]\r\nPimmoName=Hana\r\n";
    WriteBytes(file, text);
    std::filesystem::create_directory(file + ".tmp");  // no temporary file can be made
    SettingList list = Listed(file);
    const ListEdit edit = CompleteAdd(file, list, 9);
    EXPECT_FALSE(edit.changed);
    EXPECT_TRUE(edit.notSaved);
    EXPECT_EQ(list.numbers, (std::vector<int16_t>{5, 3}));
    EXPECT_TRUE(ReleaseAllStartLocks(file, SettingList{{3}}).saved) << "nothing to release is no failure";
    EXPECT_EQ(ReadBytes(file), text);
}

// The widget writes "PIMMO3", house reads "Pimmo3": one section, whichever program wrote it.
TEST(HouseTransactions, BothProgramsFindASettingUnderEitherSpelling) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    SettingRecord record = NewSettingRecord({2020, 2, 29});
    record.PimmoName = "はな";
    const SettingStore widget(file, SettingSectionFor(3));
    ASSERT_TRUE(widget.TakeStartLock().lockWritten);
    ASSERT_TRUE(widget.Save(record));
    EXPECT_EQ(SettingCaption(file, 3), "はな (2020年02月29日生まれ)");
    EXPECT_TRUE(IsSettingRunning(file, 3));
    EXPECT_EQ(FindRunningWidget(file, SettingList{{3}}), std::optional<int16_t>(3));
    EXPECT_EQ(ResetWindowPositions(file, SettingList{{3}}), PositionReset::WidgetRunning);
    EXPECT_EQ(ReleaseAllStartLocks(file, SettingList{{3}}).released, std::vector<int16_t>{3});
    EXPECT_FALSE(widget.IsStartLocked());
    EXPECT_EQ(ResetWindowPositions(file, SettingList{{3}}), PositionReset::Done);
    SettingRecord loaded;
    ASSERT_EQ(widget.Load(loaded).outcome, SettingLoadResult::Outcome::Loaded);
    EXPECT_EQ(loaded.PimmoName, "はな");
    EXPECT_EQ(loaded.LastWindowTop, 0);
    EXPECT_EQ(ReadBytes(file).find("[Pimmo3]"), std::string::npos) << "house added a second section";
}

}  // namespace
