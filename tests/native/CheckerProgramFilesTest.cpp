#include <gtest/gtest.h>

#include "base/core/ProgramPath.h"
#include "checker/core/CheckerFiles.h"
#include "checker/core/LoaderSearch.h"

namespace Pruvo {
namespace {

struct ProgramCase {
    const char* currentDirectory;
    const char* programPath;
    const char* baseName;
    const char* profile;
    const char* help;
};

class ProgramFilesTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramFilesTest, NamesFollowTheProgramFile) {
    const ProgramCase& c = GetParam();
    EXPECT_EQ(BaseNameOf(c.programPath), c.baseName);
    EXPECT_EQ(ProfilePath(c.currentDirectory, c.programPath), c.profile);
    EXPECT_EQ(HelpFilePath(c.programPath), c.help);
}

INSTANTIATE_TEST_SUITE_P(
    Paths,
    ProgramFilesTest,
    ::testing::Values(
        ProgramCase{"D:\\setup", "C:\\tools\\pruvo.exe", "pruvo", "D:\\setup\\pruvo.INI", "C:\\tools\\pruvo.HLP"},
        ProgramCase{"D:\\setup", "C:\\tools\\PRUVO.EXE", "PRUVO", "D:\\setup\\PRUVO.INI", "C:\\tools\\PRUVO.HLP"},
        ProgramCase{"D:\\", "C:\\pruvo.exe", "pruvo", "D:\\pruvo.INI", "C:\\pruvo.HLP"},  // root keeps one backslash
        ProgramCase{"D:\\a.b", "C:\\v1.2\\check", "check", "D:\\a.b\\check.INI", "C:\\v1.2\\check.HLP"},
        ProgramCase{"D:\\x", "C:\\t\\my.setup.exe", "my.setup", "D:\\x\\my.setup.INI", "C:\\t\\my.setup.HLP"},
        ProgramCase{"\\\\srv\\share\\インストール", "\\\\srv\\share\\チェック.exe", "チェック",
                    "\\\\srv\\share\\インストール\\チェック.INI", "\\\\srv\\share\\チェック.HLP"}));

TEST(LoaderSearchPath, ListsFoldersInTheLoadersOrder) {
    LoaderFolders folders;
    folders.programFolder = "C:\\app";
    folders.systemFolder = "C:\\Windows\\system32";
    folders.legacySystemFolder = "C:\\Windows\\System";
    folders.windowsFolder = "C:\\Windows";
    folders.currentFolder = "D:\\setup";
    folders.pathVariable = "C:\\bin;;  ;C:\\Program Files\\x;";
    EXPECT_EQ(LoaderSearchPath(folders),
              "C:\\app;C:\\Windows\\system32;C:\\Windows\\System;C:\\Windows;D:\\setup;C:\\bin;C:\\Program Files\\x");
}

TEST(LoaderSearchPath, LeavesOutMissingFolders) {
    LoaderFolders folders;
    folders.systemFolder = "C:\\Windows\\system32";
    folders.currentFolder = "D:\\setup";
    EXPECT_EQ(LoaderSearchPath(folders), "C:\\Windows\\system32;D:\\setup");
    EXPECT_EQ(LoaderSearchPath(LoaderFolders{}), "");
}

}  // namespace
}  // namespace Pruvo
