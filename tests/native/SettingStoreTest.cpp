#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/core/ProfileAccess.h"
#include "common/core/SettingKeys.h"
#include "common/core/SettingStore.h"

namespace {

class SettingStoreTest : public testing::Test {
protected:
    void SetUp() override {
        m_folder =
            std::filesystem::temp_directory_path() / ("pimmo-setting-" + std::to_string(::getpid()) + "-" +
                                                      testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        m_file = (m_folder / "user1.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string FileText() const {
        std::ifstream in(m_file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void WriteFile(const std::string& text) const { std::ofstream(m_file, std::ios::binary) << text; }
    std::string Read(const std::string& key) const { return ReadProfileEntry(m_file, "PIMMO3", key, "<absent>"); }

    std::filesystem::path m_folder;
    std::string m_file;
};

TEST_F(SettingStoreTest, NewSettingIsWrittenInTheKnownLayout) {
    SettingStore store(m_file, "PIMMO3");
    store.TakeStartLock();
    SettingRecord record = NewSettingRecord({2000, 3, 15});
    record.PictureFile = "C:\\photos\\photo1.jpg";
    EXPECT_TRUE(store.Save(record));
    store.ReleaseStartLock();
    EXPECT_EQ(FileText(),
              "[PIMMO3]\r\nLockSetting=\r\nWindowPosition=0\r\nPictureFile=C:\\photos\\photo1.jpg\r\n"
              "LastWindowTop=0\r\nLastWindowLeft=0\r\nLastWindowBorder=1\r\nPimmoName=Pimmo\r\n"
              "PimmoBirthDay=2000/03/15\r\nIsStretched=0\r\nPictureSize=160\r\nStretchMode=2\r\n"
              "IsStretchBmpCashed=0\r\n");
}

TEST_F(SettingStoreTest, SavedRecordLoadsBackUnchangedExceptTheCurrentFrame) {
    SettingStore store(m_file, "PIMMO3");
    SettingRecord saved{1, "D:\\子供\\写真.jpg", -45000, 70000, 0, "ぴっこ", {2019, 2, 28}, 1, 240, 0, 1};
    store.Save(saved);
    SettingRecord loaded;
    ASSERT_EQ(store.Load(loaded).outcome, SettingLoadResult::Outcome::Loaded);
    EXPECT_EQ(loaded.PictureFile, saved.PictureFile);
    EXPECT_EQ(loaded.PimmoName, saved.PimmoName);
    EXPECT_EQ(loaded.PimmoBirthDay, saved.PimmoBirthDay);
    EXPECT_EQ(loaded.LastWindowTop, -45000);
    EXPECT_EQ(loaded.LastWindowLeft, 70000);
    EXPECT_EQ(loaded.WindowPosition, 1);
    EXPECT_EQ(loaded.PictureSize, 240);
    EXPECT_EQ(loaded.IsStretchBmpCashed, 1);
}

TEST_F(SettingStoreTest, SectionWithoutNameCountsAsAbsent) {
    WriteFile("[Pimmo3]\r\nPimmoName=\r\nWindowPosition=1\r\nPictureSize=abc\r\n");
    SettingRecord record;
    record.PimmoName = "unchanged";
    EXPECT_EQ(SettingStore(m_file, "PIMMO3").Load(record).outcome, SettingLoadResult::Outcome::Absent);
    EXPECT_EQ(record.PimmoName, "unchanged");
}

TEST_F(SettingStoreTest, HandEditedValuesAreReadOrNamedAsUnreadable) {
    const struct {
        const char* line;
        SettingLoadResult::Outcome outcome;
        const char* key;
    } kCases[] = {
        {"PictureSize= 240.5 ", SettingLoadResult::Outcome::Loaded, ""},
        {"PictureSize=", SettingLoadResult::Outcome::Loaded, ""},
        {"PictureSize=big", SettingLoadResult::Outcome::Unreadable, "PictureSize"},
        {"StretchMode=70000", SettingLoadResult::Outcome::Unreadable, "StretchMode"},
        {"LastWindowTop=1O0", SettingLoadResult::Outcome::Unreadable, "LastWindowTop"},
        {"PimmoBirthDay=2000/02/30", SettingLoadResult::Outcome::Unreadable, "PimmoBirthDay"},
        {"PimmoBirthDay=someday", SettingLoadResult::Outcome::Unreadable, "PimmoBirthDay"},
    };
    for (const auto& c : kCases) {
        WriteFile(std::string("[PIMMO3]\r\nPimmoName=X\r\n") + c.line + "\r\n");
        SettingRecord record;
        SettingLoadResult result = SettingStore(m_file, "PIMMO3").Load(record);
        EXPECT_EQ(result.outcome, c.outcome) << c.line;
        EXPECT_EQ(result.key, c.key) << c.line;
        if (c.outcome == SettingLoadResult::Outcome::Unreadable) {
            EXPECT_EQ(record.PimmoName, "") << c.line;
        }
    }
}

TEST_F(SettingStoreTest, KeysComeInTheFileOrderOfANewSection) {
    const char* const kOrder[] = {"WindowPosition",   "PictureFile", "LastWindowTop",     "LastWindowLeft",
                                  "LastWindowBorder", "PimmoName",   "PimmoBirthDay",     "IsStretched",
                                  "PictureSize",      "StretchMode", "IsStretchBmpCashed"};
    ASSERT_EQ(kSettingKeys.size(), std::size(kOrder));
    for (size_t i = 0; i < kSettingKeys.size(); ++i)
        EXPECT_STREQ(kSettingKeys[i].name, kOrder[i]);
}

// Each key holds its own field: a record whose fields all differ from a new setting's comes
// back field by field, and each key's text reads into no other field.
TEST_F(SettingStoreTest, EachKeyReadsAndWritesItsOwnField) {
    const SettingRecord record{2, "p.jpg", -7, 9, 0, "n", {1999, 12, 31}, 1, 99, 1, 1};
    const SettingRecord fresh = NewSettingRecord({2000, 1, 1});
    for (const SettingKey& key : kSettingKeys) {
        SettingRecord target = fresh;
        ASSERT_TRUE(key.read(target, key.write(record))) << key.name;
        for (const SettingKey& other : kSettingKeys) {
            const std::string expected = (&other == &key ? other.write(record) : other.write(fresh));
            EXPECT_EQ(other.write(target), expected) << key.name << " touched " << other.name;
        }
    }
}

TEST_F(SettingStoreTest, SaveRewritesAHandEditedSectionInPlace) {
    WriteFile("[PimmoHouse]\r\nSetting1=3\r\n[pimmo3]\r\n; mine\r\n pimmoname = old \r\nLockSetting=locked\r\n");
    SettingStore store(m_file, "PIMMO3");
    EXPECT_TRUE(store.Save(NewSettingRecord({2000, 3, 15})));
    EXPECT_EQ(FileText(),
              "[PimmoHouse]\r\nSetting1=3\r\n[pimmo3]\r\n; mine\r\npimmoname=Pimmo\r\nLockSetting=locked\r\n"
              "WindowPosition=0\r\nPictureFile=\r\nLastWindowTop=0\r\nLastWindowLeft=0\r\nLastWindowBorder=1\r\n"
              "PimmoBirthDay=2000/03/15\r\nIsStretched=0\r\nPictureSize=160\r\nStretchMode=2\r\n"
              "IsStretchBmpCashed=0\r\n");
}

TEST_F(SettingStoreTest, ClearEmptiesTheElevenKeysAndKeepsTheLock) {
    SettingStore store(m_file, "PIMMO3");
    store.TakeStartLock();
    store.Save(NewSettingRecord({2000, 3, 15}));
    store.Clear();
    for (const SettingKey& key : kSettingKeys)
        EXPECT_EQ(Read(key.name), "") << key.name;
    EXPECT_EQ(Read("LockSetting"), "locked");
    SettingRecord record;
    EXPECT_EQ(store.Load(record).outcome, SettingLoadResult::Outcome::Absent);
}

TEST_F(SettingStoreTest, AnyNonEmptyLockValueBlocks) {
    SettingStore store(m_file, "PIMMO3");
    EXPECT_FALSE(store.IsStartLocked());
    WriteFile("[pimmo3]\r\nLockSetting=1\r\n");
    EXPECT_TRUE(store.IsStartLocked());
    store.ReleaseStartLock();
    EXPECT_FALSE(store.IsStartLocked());
    EXPECT_EQ(Read("LockSetting"), "");
}

}  // namespace
