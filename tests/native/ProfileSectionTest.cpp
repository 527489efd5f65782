// Section transactions: a batch of writes leaves the bytes that the same writes made one key
// at a time leave, a section read answers as single reads do, and a read-modify-write holds
// the lock from the read to the replacement.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/core/Utf16.h"
#include "common/core/ProfileAccess.h"
#include "common/core/ProfileSectionAccess.h"
#include "tests/native/ProfileTestFolder.h"

namespace {

std::string WithBom(const std::string& utf8) {
    std::string out = "\xFF\xFE";
    for (char16_t u : Utf8ToUtf16(utf8)) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

struct BatchCase {
    const char* name;
    std::optional<std::string> start;  // std::nullopt: no file
    std::string section;
    ProfileSectionValues writes;
};

const ProfileSectionValues kSettingWrites = {
    {"WindowPosition", "0"},     {"PictureFile", "C:\\写真\\a.jpg"},
    {"LastWindowTop", "-45000"}, {"LastWindowLeft", "70000"},
    {"PimmoName", "花子"},       {"PimmoBirthDay", "2000/03/15"},
};

const BatchCase kBatchCases[] = {
    {"MissingFile", std::nullopt, "PIMMO3", kSettingWrites},
    {"ExistingSection", "[PIMMO3]\r\nLockSetting=locked\r\nPimmoName=old\r\n[PIMMO4]\r\nPimmoName=x\r\n", "pimmo3",
     kSettingWrites},
    {"NewSectionAfterOthers", "[PimmoHouse]\r\nSetting1=3", "PIMMO3", kSettingWrites},
    {"HandEdited",
     "junk\n;c\r\n  [ Pimmo3 ] tail\n ; note\n  pimmoname =  \"old\"  \n\n;after\r[PIMMO3]\r\nPictureFile=dup\r\n",
     "PIMMO3", kSettingWrites},
    {"Utf16File", WithBom("[PIMMO3]\r\nPimmoName=Zoë\r\n[T]\nk=v"), "PIMMO3", kSettingWrites},
    {"SwitchToUtf16InTheMiddle",
     "[PIMMO3]\r\nPimmoName=\x89\xd4\x8e\x71\r\nPictureFile=old\r\n",
     "PIMMO3",
     {{"WindowPosition", "1"}, {"NewKey", "日本"}, {"PimmoName", "Zoë"}, {"PictureFile", "C:\\😀.jpg"}, {"Last", "z"}}},
    {"SameKeyTwiceAndEmptyValues",
     "[S]\r\nb=value\r\na=value\r\n",
     "S",
     {{"z", ""}, {"b", ""}, {"y", "1"}, {"a", ""}, {"y", ""}}},
};

class ProfileBatch : public testing::TestWithParam<BatchCase> {};

TEST_P(ProfileBatch, LeavesTheBytesOfKeyByKeyWrites) {
    const BatchCase& c = GetParam();
    ProfileTestFolder folder;
    const std::string single = folder.File("single.ini");
    const std::string batch = folder.File("batch.ini");
    if (c.start) {
        WriteBytes(single, *c.start);
        WriteBytes(batch, *c.start);
    }
    for (const auto& [key, value] : c.writes)
        ASSERT_TRUE(WriteProfileEntry(single, c.section, key, value)) << key;
    ASSERT_TRUE(WriteProfileSectionValues(batch, c.section, c.writes));
    EXPECT_EQ(ReadBytes(batch), ReadBytes(single));
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         ProfileBatch,
                         testing::ValuesIn(kBatchCases),
                         [](const testing::TestParamInfo<BatchCase>& info) { return std::string(info.param.name); });

TEST(ProfileBatch, OneUnwritableEntryRefusesTheWholeBatch) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    const ProfileSectionValues writes = {{"a", "1"}, {"b", "two\r\nlines"}, {"c", "3"}};
    EXPECT_FALSE(WriteProfileSectionValues(file, "S", writes));
    EXPECT_FALSE(std::filesystem::exists(file));
    WriteBytes(file, "[S]\r\na=0\r\n");
    EXPECT_FALSE(WriteProfileSectionValues(file, "S", writes));
    EXPECT_EQ(ReadBytes(file), "[S]\r\na=0\r\n");
}

TEST(ProfileBatch, NothingToWriteCreatesNoFile) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    EXPECT_TRUE(WriteProfileSectionValues(file, "S", {}));
    EXPECT_FALSE(std::filesystem::exists(file));
}

const char* const kSectionFile =
    "[Other]\r\nk=other\r\n[s]\r\n;k=comment\r\n k = \" spaced \" \r\nK=duplicate\r\nempty=\r\nquoted='v'\r\n"
    "noequals\r\n[S]\r\nlater=never\r\n";

TEST(ProfileSectionRead, EntriesInFileOrderAsSingleReadsSeeThem) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    WriteBytes(file, kSectionFile);
    const ProfileSectionValues expected = {{"k", " spaced "}, {"K", "duplicate"}, {"empty", ""}, {"quoted", "v"}};
    EXPECT_EQ(ReadProfileSectionValues(file, " S "), expected);
    EXPECT_TRUE(ReadProfileSectionValues(file, "Absent").empty());
    EXPECT_TRUE(ReadProfileSectionValues(folder.File("missing.ini"), "S").empty());
}

TEST(ProfileSectionRead, LookupAnswersAsASingleRead) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    WriteBytes(file, kSectionFile);
    const ProfileSectionValues values = ReadProfileSectionValues(file, "s");
    const struct {
        const char* key;
        const char* defaultValue;
    } kLookups[] = {{"k", "d"},          {" K ", "d"}, {"empty", "d"},    {"QUOTED", ""},
                    {"absent", "def  "}, {";k", "d"},  {"noequals", "d"}, {"later", "d"}};
    for (const auto& l : kLookups) {
        EXPECT_EQ(ProfileSectionValue(values, l.key, l.defaultValue),
                  ReadProfileEntry(file, "s", l.key, l.defaultValue))
            << l.key;
    }
}

TEST(ProfileSectionUpdate, DecisionSeesTheSectionAndNoWritesLeaveTheFileAlone) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    ProfileSectionValues seen = {{"not", "called"}};
    ProfileSectionUpdate update = UpdateProfileSection(file, "S", [&](const ProfileSectionValues& before) {
        seen = before;
        return ProfileSectionValues{};
    });
    EXPECT_TRUE(update.written);
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(std::filesystem::exists(file));
    WriteBytes(file, "[S]\nLock=x");
    update = UpdateProfileSection(file, "S", [&](const ProfileSectionValues& before) {
        seen = before;
        return ProfileSectionValues{};
    });
    EXPECT_EQ(seen, (ProfileSectionValues{{"Lock", "x"}}));
    EXPECT_EQ(update.before, seen);
    EXPECT_EQ(ReadBytes(file), "[S]\nLock=x");
}

TEST(ProfileSectionUpdate, WithoutTheLockNothingIsWrittenButTheSectionIsRead) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    WriteBytes(file, "[S]\r\nk=v\r\n");
    // Something that is no lock file in its place: the lock cannot be had.
    std::filesystem::create_directory(file + ".lock");
    const ProfileSectionUpdate update = UpdateProfileSection(file, "S", [](const ProfileSectionValues&) {
        return ProfileSectionValues{{"k", "w"}};
    });
    EXPECT_FALSE(update.written);
    EXPECT_EQ(update.before, (ProfileSectionValues{{"k", "v"}}));
    EXPECT_EQ(ReadBytes(file), "[S]\r\nk=v\r\n");
}

// Processes that each add one to a counter many times: a read-modify-write that let go of
// the lock between its read and its write would lose increments.
TEST(ProfileSectionUpdate, ConcurrentIncrementsAreNeverLost) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    constexpr int kProcesses = 6;
    constexpr int kIncrements = 30;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = fork();
        if (pid == 0) {
            bool ok = true;
            for (int i = 0; i < kIncrements; ++i) {
                ok = UpdateProfileSection(
                         file, "Counter",
                         [](const ProfileSectionValues& before) {
                             const std::string count = ProfileSectionValue(before, "Count", "0");
                             return ProfileSectionValues{{"Count", std::to_string(std::stoi(count) + 1)}};
                         })
                         .written &&
                     ok;
            }
            _exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    for (pid_t pid : children) {
        int status = -1;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() >= deadline) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
            }
            usleep(10000);
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(ReadProfileEntry(file, "Counter", "Count", ""), std::to_string(kProcesses * kIncrements));
}

}  // namespace
