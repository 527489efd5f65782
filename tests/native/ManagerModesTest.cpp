// The passes of house's modes "/R", "/P" and start all over real profile files.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/core/ProfileAccess.h"
#include "manager/core/HouseModes.h"
#include "tests/native/ProfileTestFolder.h"

namespace {

using namespace PimmoHouseModule;

class ManagerModes : public testing::Test {
protected:
    std::string Read(const std::string& section, const std::string& key) const {
        return ReadProfileEntry(m_file, section, key, "<absent>");
    }

    ProfileTestFolder m_folder;
    const std::string m_file = m_folder.File("user1.ini");
};

TEST_F(ManagerModes, ReleaseClearsSetLocksOnlyAndKeepsTheKey) {
    WriteBytes(m_file,
               "[PIMMO]\r\nLockSetting=locked\r\n[Pimmo3]\r\nLockSetting=locked\r\n[Pimmo7]\r\nPimmoName=a\r\n"
               "[Pimmo9]\r\nLockSetting=\r\n[Pimmo5]\r\nLockSetting=stale\r\n[Pimmo4]\r\nLockSetting=locked\r\n");
    EXPECT_EQ(ReleaseAllStartLocks(m_file, SettingList{{3, 7, 9, 5}}).released, (std::vector<int16_t>{0, 3, 5}));
    const struct {
        const char* section;
        const char* lock;
    } kAfter[] = {
        {"Pimmo", ""}, {"Pimmo3", ""}, {"Pimmo7", "<absent>"}, {"Pimmo9", ""}, {"Pimmo5", ""}, {"Pimmo4", "locked"},
    };
    for (const auto& c : kAfter)
        EXPECT_EQ(Read(c.section, "LockSetting"), c.lock) << c.section;
}

TEST_F(ManagerModes, ReleaseWithoutLocksWritesNothing) {
    const std::string text = "[Pimmo3]\r\nPimmoName=a\r\n[Pimmo9]\r\nLockSetting=\r\n";
    WriteBytes(m_file, text);
    EXPECT_TRUE(ReleaseAllStartLocks(m_file, SettingList{{3, 9, 11}}).released.empty());
    EXPECT_EQ(ReadBytes(m_file), text);
}

TEST_F(ManagerModes, PositionCheckStopsOnlyOnARunningListedWidget) {
    const struct {
        const char* name;
        const char* file;
        std::vector<int16_t> list;
        std::optional<int16_t> running;
    } kCases[] = {
        {"listed locked", "[Pimmo3]\r\nLockSetting=\r\n[Pimmo7]\r\nLockSetting=locked\r\n", {3, 7}, 7},
        {"first of two", "[Pimmo3]\r\nLockSetting=locked\r\n[Pimmo7]\r\nLockSetting=locked\r\n", {3, 7}, 3},
        {"other lock text", "[Pimmo3]\r\nLockSetting=stale\r\n", {3}, std::nullopt},
        {"case differs", "[Pimmo3]\r\nLockSetting=Locked\r\n", {3}, std::nullopt},
        {"only unnumbered", "[Pimmo]\r\nLockSetting=locked\r\n", {3}, std::nullopt},
        {"unlisted", "[Pimmo5]\r\nLockSetting=locked\r\n", {3}, std::nullopt},
        {"empty list", "[Pimmo3]\r\nLockSetting=locked\r\n", {}, std::nullopt},
    };
    for (const auto& c : kCases) {
        WriteBytes(m_file, c.file);
        EXPECT_EQ(FindRunningWidget(m_file, SettingList{c.list}), c.running) << c.name;
    }
}

TEST_F(ManagerModes, PositionResetMovesListedSettingsToTheOrigin) {
    WriteBytes(m_file,
               "[Pimmo]\r\nLastWindowTop=100\r\nLastWindowLeft=200\r\n[Pimmo3]\r\nLockSetting=stale\r\n"
               "LastWindowTop=-500\r\nLastWindowLeft=300\r\n[Pimmo5]\r\nLastWindowTop=40\r\n");
    EXPECT_EQ(ResetWindowPositions(m_file, SettingList{{3, 7}}), PositionReset::Done);
    const struct {
        const char* section;
        const char* top;
        const char* left;
    } kAfter[] = {{"Pimmo", "100", "200"}, {"Pimmo3", "0", "0"}, {"Pimmo7", "0", "0"}, {"Pimmo5", "40", "<absent>"}};
    for (const auto& c : kAfter) {
        EXPECT_EQ(Read(c.section, "LastWindowTop"), c.top) << c.section;
        EXPECT_EQ(Read(c.section, "LastWindowLeft"), c.left) << c.section;
    }
    EXPECT_EQ(Read("Pimmo3", "LockSetting"), "stale");
}

TEST_F(ManagerModes, StartAllStartsEachIdleListedSettingOnce) {
    const std::string widget = "/opt/pimmo/pimmo.exe";
    const struct {
        const char* name;
        const char* file;
        std::vector<int16_t> list;
        std::vector<std::string> commandLines;
    } kCases[] = {
        {"empty list", "[Pimmo3]\r\nPimmoName=a\r\n", {}, {}},
        {"7 locked", "[Pimmo7]\r\nLockSetting=locked\r\n", {3, 7}, {"\"/opt/pimmo/pimmo.exe\" /s3"}},
        {"any lock text", "[Pimmo3]\r\nLockSetting=x\r\n", {3, 12}, {"\"/opt/pimmo/pimmo.exe\" /s12"}},
        {"list order", "", {12, 3}, {"\"/opt/pimmo/pimmo.exe\" /s12", "\"/opt/pimmo/pimmo.exe\" /s3"}},
        {"listed twice", "", {3, 5, 3}, {"\"/opt/pimmo/pimmo.exe\" /s3", "\"/opt/pimmo/pimmo.exe\" /s5"}},
        {"unnumbered lock ignored", "[Pimmo]\r\nLockSetting=locked\r\n", {3}, {"\"/opt/pimmo/pimmo.exe\" /s3"}},
    };
    for (const auto& c : kCases) {
        WriteBytes(m_file, c.file);
        EXPECT_EQ(StartAllCommandLines(m_file, SettingList{c.list}, widget), c.commandLines) << c.name;
    }
}

}  // namespace
