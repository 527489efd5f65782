#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "base/win/HelpViewer.h"
#include "tests/windows/CheckerTestFolder.h"

namespace Pruvo::test {
namespace {

using CheckerHelpFile = CheckerTestFolder;
using namespace std::string_literals;

TEST_F(CheckerHelpFile, DecodesEachTextEncodingWithEditControlLineEnds) {
    const struct {
        const wchar_t* name;
        std::string bytes;
    } kFiles[] = {
        {L"utf8.hlp", "ヘルプ\n二行目\n"},
        {L"bom.hlp", "\xEF\xBB\xBFヘルプ\n二行目\n"},
        {L"sjis.hlp", "\x83w\x83\x8b\x83v\r\n\x93\xf1\x8d\x73\x96\xda\r\n"},  // Shift-JIS
        {L"utf16.hlp", "\xFF\xFE\xD8\x30\xEB\x30\xD7\x30\n\0\x8C\x4E\x4C\x88\xEE\x76\r\0\n\0"s},
    };
    for (const auto& file : kFiles) {
        WriteBytes(file.name, file.bytes);
        const HelpFileText help = ReadHelpFile(File(file.name));
        EXPECT_FALSE(help.error.has_value());
        EXPECT_EQ(help.text, "ヘルプ\r\n二行目\r\n") << std::string(file.name, file.name + wcslen(file.name));
    }
}

TEST_F(CheckerHelpFile, RefusesACompiledWinHelpFile) {
    WriteBytes(L"old.hlp", "\x3F\x5F\x03\0\x10\0\0\0\xFF\xFF\xFF\xFF"s);
    const HelpFileText help = ReadHelpFile(File(L"old.hlp"));
    ASSERT_TRUE(help.error.has_value());
    EXPECT_EQ(*help.error, HelpFileError::Unreadable);
    EXPECT_TRUE(help.text.empty());
}

TEST_F(CheckerHelpFile, TellsAMissingFileApart) {
    const HelpFileText help = ReadHelpFile(File(L"none.hlp"));
    ASSERT_TRUE(help.error.has_value());
    EXPECT_EQ(*help.error, HelpFileError::Missing);
    const HelpFileText folder = ReadHelpFile(File(L"nofolder\\none.hlp"));
    ASSERT_TRUE(folder.error.has_value());
    EXPECT_EQ(*folder.error, HelpFileError::Missing);
}

}  // namespace
}  // namespace Pruvo::test
