#include <gtest/gtest.h>

#include <string>

#include "base/core/HelpText.h"
#include "checker/core/CheckerTexts.h"

namespace {

using namespace Pruvo;  // the checker's own texts, tested beside its help text

struct FormatCase {
    std::string bytes;
    HelpFormat format;
};

class DetectHelpFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DetectHelpFormatTest, TellsTheEncoding) {
    EXPECT_EQ(DetectHelpFormat(GetParam().bytes), GetParam().format);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Files,
    DetectHelpFormatTest,
    ::testing::Values(FormatCase{"", HelpFormat::Utf8},
                      FormatCase{"Pruvo help\r\n", HelpFormat::Utf8},
                      FormatCase{"ヘルプ", HelpFormat::Utf8},
                      FormatCase{"\xEF\xBB\xBFx", HelpFormat::Utf8},
                      FormatCase{"\x83w\x83\x8b\x83v", HelpFormat::Ansi},  // "ヘルプ" in Shift-JIS
                      FormatCase{"\xFF\xFEh\0"s, HelpFormat::Utf16Le},
                      FormatCase{"\xFF\xFEh"s, HelpFormat::Unreadable},                 // odd length cannot be UTF-16
                      FormatCase{"\x3F\x5F\x03\0\x10\0\0\0"s, HelpFormat::Unreadable},  // compiled WinHelp
                      FormatCase{"text\0more"s, HelpFormat::Unreadable}));

struct Utf8Case {
    std::string bytes;
    bool valid;
};

class IsValidUtf8Test : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(IsValidUtf8Test, AcceptsOnlyWellFormedSequences) {
    EXPECT_EQ(IsValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Bytes,
                         IsValidUtf8Test,
                         ::testing::Values(Utf8Case{"abc", true},
                                           Utf8Case{"\xC3\xA9", true},
                                           Utf8Case{"\xF0\x9F\x98\x80", true},
                                           Utf8Case{"\xC3", false},
                                           Utf8Case{"\xC0\xAF", false},          // overlong '/'
                                           Utf8Case{"\xE0\x80\xAF", false},      // overlong
                                           Utf8Case{"\xED\xA0\x80", false},      // surrogate
                                           Utf8Case{"\xF4\x90\x80\x80", false},  // above U+10FFFF
                                           Utf8Case{"\x80", false},
                                           Utf8Case{"\xE3\x81", false}));

TEST(PrepareHelpText, MakesEveryLineEndCrLfAndDropsTheMark) {
    EXPECT_EQ(PrepareHelpText("\xEF\xBB\xBF"
                              "a\nb\r\nc\rd\n\n"),
              "a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(PrepareHelpText("\r\r\n"), "\r\n\r\n");
    EXPECT_EQ(PrepareHelpText(""), "");
}

TEST(CheckerTexts, MissingRuntimeMessageNamesTheApplication) {
    EXPECT_EQ(MissingRuntimeMessage("テストアプリ"),
              "テストアプリの実行に必要なランタイムがインストールされていません\nインストールを中止します");
    EXPECT_EQ(MissingRuntimeMessage(Text(CheckerText::DefaultAppName)),
              "アプリケーションの実行に必要なランタイムがインストールされていません\nインストールを中止します");
}

TEST(CheckerTexts, FileVersionQueryWritesFourUpperCaseDigitsEach) {
    EXPECT_EQ(FileVersionQuery(0x0411, 0x04B0), "\\StringFileInfo\\041104B0\\FileVersion");
    EXPECT_EQ(FileVersionQuery(0x0409, 1252), "\\StringFileInfo\\040904E4\\FileVersion");
    EXPECT_EQ(FileVersionQuery(0, 0), "\\StringFileInfo\\00000000\\FileVersion");
    EXPECT_EQ(FileVersionQuery(0xabcd, 0xef01), "\\StringFileInfo\\ABCDEF01\\FileVersion");
}

}  // namespace
