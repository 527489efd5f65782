// Where the profile file lives under Windows: program folder, user name.
#include <gtest/gtest.h>

#include <lmcons.h>

#include "common/core/IniFileRelatedLibrary.h"
#include "common/core/ProfileAccess.h"
#include "common/core/ProgramLocation.h"
#include "tests/windows/ProfileWinSupport.h"

namespace {

std::string PlatformUserName() {
    wchar_t name[UNLEN + 1];
    DWORD size = UNLEN + 1;
    if (!GetUserNameW(name, &size))
        return {};
    return Narrow(name);
}

TEST(ProfileLocation, ProgramFolderAndName) {
    EXPECT_EQ(ProgramFolder(), Narrow(TestProgramFolder()));
    EXPECT_EQ(ProgramBaseName(), "windows_tests");
}

TEST(ProfileLocation, WritableProgramFolderHoldsTheProfileAndNoProbeIsLeft) {
    EXPECT_EQ(ProfileFolder(), ProgramFolder());
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((TestProgramFolder() + L"\\~pimmo-probe-*").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

TEST(ProfileLocation, ProfileFilePathNamesTheLoggedOnUser) {
    const std::string user = PlatformUserName();
    ASSERT_FALSE(user.empty());
    EXPECT_EQ(IniFileRelatedLibrary::ProfileFilePath("Pimmo", "ini"), ProgramFolder() + "\\" + user + ".ini");
}

TEST(ProfileLocation, ReadsAndWritesInTheCodePage) {
    ProfileTempFolder folder;
    const std::string file = folder.File("user1.ini");
    EXPECT_EQ(ReadProfileEntry(file, "PIMMO3", "PimmoName", "0"), "0");
    EXPECT_TRUE(WriteProfileEntry(file, "PIMMO3", "PimmoName", "花子"));
    EXPECT_TRUE(WriteProfileEntry(file, "PIMMO3", "LockSetting", ""));
    EXPECT_EQ(ReadProfileEntry(file, "PIMMO3", "PimmoName", ""), "花子");
    EXPECT_EQ(ReadProfileEntry(file, "PIMMO3", "LockSetting", "locked"), "");
    EXPECT_EQ(ReadFileBytes(file), "[PIMMO3]\r\nPimmoName=\x89\xd4\x8e\x71\r\nLockSetting=\r\n");
}

}  // namespace
