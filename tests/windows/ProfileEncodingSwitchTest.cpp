// A value the ANSI code page cannot spell: the platform's functions write '?' in its place
// and lose it; the engine turns the file into UTF-16LE with BOM, which the platform's
// functions read as well, every old value included.
#include <gtest/gtest.h>

#include <string>

#include "common/core/ProfileAccess.h"
#include "tests/windows/ProfileDifferentialCases.h"
#include "tests/windows/ProfileWinSupport.h"

namespace {

const char* const kStart =
    "[PIMMO1]\r\nPimmoName=花子\r\n;comment\r\nPictureFile=C:\\写真\\a.jpg\nLockSetting=\r\n[PimmoHouse]\rSetting1=1";

struct Entry {
    const char* section;
    const char* key;
    const char* value;
};

const Entry kUnrepresentable[] = {
    {"PIMMO1", "PimmoName", "Zoë"},
    {"PIMMO2", "PimmoName", "한글"},
    {"PIMMO1", "PictureFile", "C:\\Photos\\😀.jpg"},
    {"Café", "Crème", "brûlée"},
};

TEST(ProfileEncodingSwitch, PlatformReadsTheEngineUtf16File) {
    ProfileTempFolder folder;
    const std::string file = folder.File("user1.ini");
    WriteFileBytes(file, Ansi(kStart));
    for (const Entry& e : kUnrepresentable)
        ASSERT_TRUE(WriteProfileEntry(file, e.section, e.key, e.value));
    const std::string bytes = ReadFileBytes(file);
    ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    PlatformForget(file);
    for (const Entry& e : kUnrepresentable) {
        EXPECT_EQ(PlatformRead(file, e.section, e.key, "<absent>"), e.value) << e.section << " " << e.key;
        EXPECT_EQ(ReadProfileEntry(file, e.section, e.key, "<absent>"), e.value);
    }
    EXPECT_EQ(PlatformRead(file, "PIMMO1", "LockSetting", "<absent>"), "");
    EXPECT_EQ(PlatformRead(file, "PimmoHouse", "Setting1", "<absent>"), "1");
    EXPECT_EQ(PlatformRead(file, "PIMMO1", ";comment", "<absent>"), "<absent>");
}

TEST(ProfileEncodingSwitch, Utf16FileStaysUtf16ForAnsiValues) {
    ProfileTempFolder folder;
    const std::string file = folder.File("user1.ini");
    ASSERT_TRUE(WriteProfileEntry(file, "S", "k", "é"));
    ASSERT_TRUE(WriteProfileEntry(file, "S", "plain", "abc"));
    ASSERT_TRUE(WriteProfileEntry(file, "T", "名前", "花子"));
    EXPECT_EQ(ReadFileBytes(file).substr(0, 2), "\xFF\xFE");
    PlatformForget(file);
    EXPECT_EQ(PlatformRead(file, "S", "plain", ""), "abc");
    EXPECT_EQ(PlatformRead(file, "T", "名前", ""), "花子");
}

// What the engine departs from: the platform writes a replacement character into an ANSI
// file, and the value is lost.
TEST(ProfileEncodingSwitch, PlatformLosesTheValueInAnAnsiFile) {
    ProfileTempFolder folder;
    const std::string file = folder.File("platform.ini");
    WriteFileBytes(file, Ansi(kStart));
    ASSERT_TRUE(PlatformWrite(file, "PIMMO1", "PimmoName", "Zoë"));
    PlatformForget(file);
    EXPECT_NE(PlatformRead(file, "PIMMO1", "PimmoName", ""), "Zoë");
    EXPECT_NE(ReadFileBytes(file).substr(0, 2), "\xFF\xFE");
}

}  // namespace
