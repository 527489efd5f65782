#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "base/core/ProgramPath.h"
#include "base/core/Unicode.h"
#include "base/win/MessageBox.h"
#include "checker/win/CheckerProfile.h"
#include "checker/win/CheckerProgram.h"
#include "tests/windows/CheckerTestFolder.h"

namespace Pruvo::test {
namespace {

class CheckerProfileFile : public CheckerTestFolder {
protected:
    // Writes the profile in code page 932, as a Japanese editor saves it.
    Profile WriteProfile(const std::wstring& utf16Text) {
        const int size = WideCharToMultiByte(932, 0, utf16Text.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string bytes(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(932, 0, utf16Text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
        bytes.pop_back();
        WriteBytes(L"PRUVO.INI", bytes);
        return Profile(Narrow(File(L"PRUVO.INI")));
    }
};

TEST_F(CheckerProfileFile, ReadsJapaneseValuesOfAnAnsiFileAsUtf8) {
    const Profile profile = WriteProfile(L"[Pruvo]\r\nAppName=テストアプリ\r\n[Runtimes]\r\n1=ランタイム 一\r\n");
    EXPECT_EQ(profile.ReadString("Pruvo", "AppName", "アプリケーション"), "テストアプリ");
    EXPECT_EQ(profile.ReadString("pruvo", "appname", ""), "テストアプリ");  // names are not case-sensitive
    EXPECT_EQ(profile.ReadListValue("Runtimes", 1), "ランタイム 一");
    EXPECT_EQ(profile.ReadListValue("Runtimes", 2), "");
    EXPECT_EQ(profile.ReadString("Pruvo", "Missing", "アプリケーション"), "アプリケーション");
}

TEST_F(CheckerProfileFile, ReadsLongValuesWhole) {
    std::wstring dlls;
    for (int i = 0; i < 60; ++i) {
        dlls += L"library" + std::to_wstring(i) + L".dll, ";
    }
    dlls += L"kernel32.dll";
    ASSERT_GT(dlls.size(), 600u);
    const Profile profile = WriteProfile(L"[Dlls]\r\n1=" + dlls + L"\r\n");
    const std::string value = profile.ReadListValue("Dlls", 1);
    EXPECT_EQ(value.size(), dlls.size());
    EXPECT_EQ(value.substr(value.size() - 12), "kernel32.dll");
}

struct IntCase {
    const wchar_t* line;
    int expected;
};

class CheckerProfileNumber : public CheckerProfileFile, public ::testing::WithParamInterface<IntCase> {};

TEST_P(CheckerProfileNumber, ReadsTheRuntimeCountAsThePlatformDoes) {
    const Profile profile = WriteProfile(std::wstring(L"[Pruvo]\r\n") + GetParam().line + L"\r\n");
    EXPECT_EQ(profile.ReadInt("Pruvo", "NumbersOfDlls", 0), GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Values,
                         CheckerProfileNumber,
                         ::testing::Values(IntCase{L"NumbersOfDlls=2", 2},
                                           IntCase{L"NumbersOfDlls= 3 ", 3},
                                           IntCase{L"NumbersOfDlls=-2", -2},
                                           IntCase{L"NumbersOfDlls=", 0},
                                           IntCase{L"Other=5", 0},
                                           IntCase{L"NumbersOfDlls=4x", 4}));

TEST_F(CheckerProfileFile, MissingFileGivesTheDefaults) {
    const Profile profile(Narrow(File(L"PRUVO.INI")));
    EXPECT_EQ(profile.ReadInt("Pruvo", "NumbersOfDlls", 0), 0);
    EXPECT_EQ(profile.ReadString("Pruvo", "ExecuteLink", ""), "");
    EXPECT_EQ(GetFileAttributesW(File(L"PRUVO.INI").c_str()), INVALID_FILE_ATTRIBUTES);  // reading creates nothing
}

TEST_F(CheckerProfileFile, ProgramFactsComeFromThisProcess) {
    EXPECT_EQ(ProgramTitle(), "windows_tests");
    EXPECT_EQ(CompareStringOrdinal(Widen(CurrentDirectory()).c_str(), -1, Folder().c_str(), -1, TRUE), CSTR_EQUAL);
    const std::string program = ProgramPath();
    EXPECT_EQ(program.substr(program.size() - 17), "windows_tests.exe");
}

}  // namespace
}  // namespace Pruvo::test
