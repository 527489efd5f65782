// The profile file's path, its single-key reads and writes on real files, and the rules for what may be written.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "common/core/IniFileRelatedLibrary.h"
#include "common/core/ProfileAccess.h"
#include "common/core/ProfileTransaction.h"
#include "common/core/ProgramLocation.h"
#include "common/core/UserName.h"
#include "tests/native/ProfileTestFolder.h"

namespace {

using namespace IniFileRelatedLibrary;

struct PathCase {
    const char* name;
    std::optional<std::string> user;
    std::string defaultName;
    std::string expected;
};

const PathCase kPathCases[] = {
    {"UserName", "user1", "Pimmo", "/p/user1.ini"},
    {"NoUserName", std::nullopt, "Pimmo", "/p/Pimmo.ini"},
    {"EmptyUserName", "", "pimmo", "/p/pimmo.ini"},
    {"JapaneseUserName", "太郎", "Pimmo", "/p/太郎.ini"},
};

class ProfilePath : public testing::TestWithParam<PathCase> {};

TEST_P(ProfilePath, UserNameOrDefaultInTheFolder) {
    const PathCase& c = GetParam();
    EXPECT_EQ(ComposeProfileFilePath("/p", c.user, c.defaultName, "ini"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         ProfilePath,
                         testing::ValuesIn(kPathCases),
                         [](const testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

struct FolderCase {
    const char* name;
    bool canCreateFiles;
    std::string appData;
    std::string expected;
};

const FolderCase kFolderCases[] = {
    {"WritableProgramFolder", true, "/home/u/.config", "/opt/pimmo"},
    {"ReadOnlyProgramFolder", false, "/home/u/.config", "/home/u/.config/Pimmo"},
    {"NoPerUserFolder", false, "", "/opt/pimmo"},
};

class ProfileFolderRule : public testing::TestWithParam<FolderCase> {};

TEST_P(ProfileFolderRule, ProgramFolderWhenWritableElsePerUserFolder) {
    const FolderCase& c = GetParam();
    EXPECT_EQ(ChooseProfileFolder("/opt/pimmo", c.canCreateFiles, c.appData), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         ProfileFolderRule,
                         testing::ValuesIn(kFolderCases),
                         [](const testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

TEST(ProfileLibrary, ProfileFilePathNamesTheUserInTheProfileFolder) {
    const std::string user = CurrentUserName().value_or("Pimmo");
    EXPECT_EQ(ProfileFilePath("Pimmo", "ini"), JoinPath(ProfileFolder(), user + ".ini"));
}

TEST(ProfileLibrary, ProfileFolderIsTheWritableProgramFolder) {
    // The test program's folder is a build folder, so files can be created there.
    EXPECT_EQ(ProfileFolder(), ProgramFolder());
    EXPECT_EQ(ProgramBaseName(), "native_tests");
}

TEST(ProfileLibrary, ReadsWhatWasWritten) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    EXPECT_EQ(ReadProfileEntry(file, "PIMMO1", "PimmoName", "0"), "0");  // missing file
    EXPECT_TRUE(WriteProfileEntry(file, "PIMMO1", "PimmoName", "abc"));
    EXPECT_EQ(ReadProfileEntry(file, "PIMMO1", "PimmoName", ""), "abc");
    EXPECT_EQ(ReadProfileEntry(file, "PIMMO1", "pimmoname", ""), "abc");
    EXPECT_EQ(ReadProfileEntry(file, "PIMMO1", "Missing", "0"), "0");
    // another spelling of the same section
    EXPECT_EQ(ReadProfileEntry(file, "Pimmo1", "PimmoName", ""), "abc");
}

TEST(ProfileLibrary, EmptyValueReadsAsEmptyNotDefault) {
    ProfileTestFolder folder;
    const std::string file = folder.File("user1.ini");
    EXPECT_TRUE(WriteProfileEntry(file, "PIMMO", "LockSetting", ""));
    EXPECT_EQ(ReadProfileEntry(file, "PIMMO", "LockSetting", "locked"), "");
    EXPECT_EQ(ReadBytes(file), "[PIMMO]\r\nLockSetting=\r\n");
}

TEST(ProfileLibrary, WriteLeavesNoTemporaryFile) {
    ProfileTestFolder folder;
    ASSERT_TRUE(WriteProfileEntry(folder.File("a.ini"), "S", "k", "v"));
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "a.ini" || name == "a.ini.lock") << name;
    }
}

TEST(ProfileLibrary, UnchangedFileIsNotReplaced) {
    ProfileTestFolder folder;
    const std::string file = folder.File("a.ini");
    ASSERT_TRUE(WriteProfileEntry(file, "S", "k", "v"));
    const auto inode = [&] {
        struct stat info {};
        stat(file.c_str(), &info);
        return info.st_ino;
    };
    const auto first = inode();
    ASSERT_TRUE(WriteProfileEntry(file, "S", "k", "v"));
    EXPECT_EQ(inode(), first) << "replaced although nothing changed";
    ASSERT_TRUE(WriteProfileEntry(file, "S", "k", "w"));
    EXPECT_NE(inode(), first) << "changed in place instead of replaced";
}

TEST(ProfileLibrary, WriteIntoMissingFolderFailsAndCreatesNothing) {
    ProfileTestFolder folder;
    const std::string file = folder.File("no/such/a.ini");
    EXPECT_FALSE(WriteProfileEntry(file, "S", "k", "v"));
    EXPECT_EQ(ReadProfileEntry(file, "S", "k", "d"), "d");
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(ProfileLibrary, UnreadableFileIsNotOverwritten) {
    ProfileTestFolder folder;
    std::filesystem::create_directory(folder.File("a.ini"));  // there, but no file to read
    EXPECT_FALSE(WriteProfileEntry(folder.File("a.ini"), "S", "k", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("a.ini")));
}

TEST(ProfileLibrary, NoFileNameReadsDefaultsAndWritesNothing) {
    EXPECT_EQ(ReadProfileEntry("", "S", "k", "d"), "d");
    EXPECT_FALSE(WriteProfileEntry("", "S", "k", "v"));
}

struct EntryCase {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
    bool writable;
};

const EntryCase kEntryCases[] = {
    {"Plain", "PIMMO1", "PimmoName", "花子", true},
    {"EmptyValue", "S", "k", "", true},
    {"BlanksAroundNames", " S ", " k ", " v ", true},
    {"ValueWithEqualsAndSemicolon", "S", "k", "a=b;c", true},
    {"EmptySection", "  ", "k", "v", false},
    {"EmptyKey", "S", " ", "v", false},
    {"LineBreakInValue", "S", "k", "a\r\nb=c", false},
    {"LfInKey", "S", "k\nx", "v", false},
    {"CrInSection", "S\r", "k", "v", false},
    {"NulInValue", "S", "k", std::string("a\0b", 3), false},
    {"EqualsInKey", "S", "a=b", "v", false},
    {"CommentKey", "S", ";k", "v", false},
    {"HeaderKey", "S", "[k", "v", false},
    {"BracketInSection", "a]b", "k", "v", false},
    {"BrokenUtf8", "S", "k", "\xC3", false},
};

class ProfileEntry : public testing::TestWithParam<EntryCase> {};

TEST_P(ProfileEntry, OnlyEntriesThatReadBackAreWritten) {
    const EntryCase& c = GetParam();
    EXPECT_EQ(IsWritableProfileEntry(c.section, c.key, c.value), c.writable);
    ProfileTestFolder folder;
    const std::string file = folder.File("a.ini");
    WriteBytes(file, "[S]\r\nk=old\r\n");
    EXPECT_EQ(WriteProfileEntry(file, c.section, c.key, c.value), c.writable);
    if (c.writable) {
        EXPECT_EQ(ReadProfileEntry(file, c.section, c.key, "<default>"), std::string(c.value == " v " ? "v" : c.value));
    } else {
        EXPECT_EQ(ReadBytes(file), "[S]\r\nk=old\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         ProfileEntry,
                         testing::ValuesIn(kEntryCases),
                         [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

}  // namespace
