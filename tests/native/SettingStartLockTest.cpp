// The widget's start as one transaction: the lock test, the lock and the read that loads the
// setting happen under one exclusive lock of the profile file.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "common/core/ProfileAccess.h"
#include "common/core/SettingStore.h"
#include "tests/native/ProfileTestFolder.h"

namespace {

struct TakeCase {
    const char* name;
    std::optional<std::string> start;
    bool alreadyLocked;
    std::string after;
};

const TakeCase kTakeCases[] = {
    {"MissingFile", std::nullopt, false, "[PIMMO3]\r\nLockSetting=locked\r\n"},
    {"MissingSection", "[PimmoHouse]\r\nSetting1=3\r\n", false,
     "[PimmoHouse]\r\nSetting1=3\r\n[PIMMO3]\r\nLockSetting=locked\r\n"},
    {"ReleasedLock", "[pimmo3]\r\nLockSetting=\r\nPimmoName=x\r\n", false,
     "[pimmo3]\r\nLockSetting=locked\r\nPimmoName=x\r\n"},
    {"Locked", "[PIMMO3]\nLockSetting=locked\n", true, "[PIMMO3]\nLockSetting=locked\n"},
    {"AnyValueLocks", "[PIMMO3]\nLockSetting= 1 \n", true, "[PIMMO3]\nLockSetting= 1 \n"},
    {"QuotedEmptyIsFree", "[PIMMO3]\nLockSetting=\"\"\n", false, "[PIMMO3]\nLockSetting=locked\r\n"},
};

class SettingTakeStartLock : public testing::TestWithParam<TakeCase> {};

TEST_P(SettingTakeStartLock, TestsAndTakesTheLockInOneStep) {
    const TakeCase& c = GetParam();
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    if (c.start)
        WriteBytes(file, *c.start);
    const SettingStore store(file, "PIMMO3");
    const StartLockResult result = store.TakeStartLock();
    EXPECT_EQ(result.alreadyLocked, c.alreadyLocked);
    EXPECT_EQ(result.lockWritten, !c.alreadyLocked);
    EXPECT_EQ(ReadBytes(file), c.after);
    EXPECT_TRUE(store.IsStartLocked());
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         SettingTakeStartLock,
                         testing::ValuesIn(kTakeCases),
                         [](const testing::TestParamInfo<TakeCase>& info) { return std::string(info.param.name); });

TEST(SettingStartLock, ValuesOfTheTakeLoadAsTheFileDoes) {
    const char* const kSections[] = {
        "[PIMMO3]\r\nLockSetting=\r\nWindowPosition=1\r\nPictureFile=C:\\写真\\a.jpg\r\nLastWindowTop=-45000\r\n"
        "LastWindowLeft= 7.5 \r\nPimmoName=\"ぴっこ\"\r\nPimmoBirthDay=2019/2/28\r\nPictureSize=240\r\n",
        "[PIMMO3]\r\nPimmoName=\r\nPictureSize=240\r\n",
        "[PIMMO3]\r\nPimmoName=x\r\nStretchMode=many\r\n",
    };
    for (const char* section : kSections) {
        ProfileTestFolder folder;
        const std::string file = folder.File("user1.ini");
        WriteBytes(file, section);
        const SettingStore store(file, "PIMMO3");
        SettingRecord fromFile;
        const SettingLoadResult loaded = store.Load(fromFile);
        SettingRecord fromTake;
        const SettingLoadResult taken = store.LoadFrom(store.TakeStartLock().values, fromTake);
        EXPECT_EQ(taken.outcome, loaded.outcome) << section;
        EXPECT_EQ(taken.key, loaded.key) << section;
        EXPECT_EQ(taken.value, loaded.value) << section;
        EXPECT_EQ(fromTake.PimmoName, fromFile.PimmoName) << section;
        EXPECT_EQ(fromTake.PictureFile, fromFile.PictureFile) << section;
        EXPECT_EQ(fromTake.LastWindowLeft, fromFile.LastWindowLeft) << section;
        EXPECT_EQ(fromTake.PimmoBirthDay, fromFile.PimmoBirthDay) << section;
    }
}

// Widgets of one setting started at the same moment (a double click on the manager's start,
// log-on): exactly one of them may get the setting.
TEST(SettingStartLock, OfSimultaneousStartsExactlyOneGetsTheSetting) {
    constexpr int kRounds = 5;
    constexpr int kStarts = 5;
    for (int round = 0; round < kRounds; ++round) {
        ProfileTestFolder folder;
        const std::string file = folder.File("user1.ini");
        WriteBytes(file, "[PIMMO3]\r\nLockSetting=\r\nPimmoName=x\r\n");
        int gate[2];
        ASSERT_EQ(pipe(gate), 0);
        std::vector<pid_t> children;
        for (int s = 0; s < kStarts; ++s) {
            const pid_t pid = fork();
            if (pid == 0) {
                close(gate[1]);
                char go = 0;
                if (read(gate[0], &go, 1) != 0)
                    _exit(3);
                const StartLockResult result = SettingStore(file, "PIMMO3").TakeStartLock();
                _exit(result.alreadyLocked ? 1 : (result.lockWritten ? 0 : 2));
            }
            children.push_back(pid);
        }
        close(gate[0]);
        close(gate[1]);  // every child waits on the pipe's end and goes at once
        int winners = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        for (pid_t pid : children) {
            int status = -1;
            while (waitpid(pid, &status, WNOHANG) == 0) {
                if (std::chrono::steady_clock::now() >= deadline) {
                    kill(pid, SIGKILL);
                    waitpid(pid, &status, 0);
                }
                usleep(5000);
            }
            ASSERT_TRUE(WIFEXITED(status));
            ASSERT_LE(WEXITSTATUS(status), 1);
            winners += WEXITSTATUS(status) == 0 ? 1 : 0;
        }
        EXPECT_EQ(winners, 1) << "round " << round;
    }
}

}  // namespace
