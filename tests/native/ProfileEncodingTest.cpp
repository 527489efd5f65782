// Encodings: the ANSI code page (932 here), UTF-16LE with BOM, and the switch to UTF-16LE
// when a text has no spelling in the code page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/core/Utf16.h"
#include "common/core/ProfileDocument.h"
#include "common/core/ProfileValue.h"

namespace {

std::string Utf16Le(const std::string& utf8) {
    std::string out;
    for (char16_t u : Utf8ToUtf16(utf8)) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

std::string WithBom(const std::string& utf8) {
    return "\xFF\xFE" + Utf16Le(utf8);
}

std::string Read(const std::string& bytes, const std::string& section, const std::string& key) {
    return ResolveProfileValue(ProfileDocument(bytes, SystemAnsiCodec()).Find(section, key), "<default>",
                               SystemAnsiCodec());
}

std::string Write(const std::string& bytes,
                  const std::string& section,
                  const std::string& key,
                  const std::string& value) {
    ProfileDocument document(bytes, SystemAnsiCodec());
    document.Set(section, key, value);
    return document.Bytes();
}

TEST(ProfileCodec, SpellsJapaneseInCodePage932) {
    EXPECT_EQ(SystemAnsiCodec().FromUtf8("日本ｱa"), std::optional<std::string>("\x93\xfa\x96\x7b\xb1"
                                                                               "a"));
    EXPECT_EQ(SystemAnsiCodec().ToUtf8("\x93\xfa\x96\x7b\xb1"
                                       "a"),
              "日本ｱa");
}

TEST(ProfileCodec, RefusesWhatCodePage932CannotSpell) {
    for (const char* text : {"é", "한", "😀", "a€", "\xFF"}) {
        EXPECT_EQ(SystemAnsiCodec().FromUtf8(text), std::nullopt) << text;
    }
}

TEST(ProfileCodec, BrokenBytesBecomeReplacementCharacters) {
    EXPECT_EQ(SystemAnsiCodec().ToUtf8("a\x93"), "a\xEF\xBF\xBD");
}

TEST(ProfileEncoding, AnsiFileStaysAnsi) {
    const std::string before = "[s]\r\nname=\x89\xd4\x8e\x71\r\n";
    const std::string after = Write(before, "s", "other", "日本");
    EXPECT_EQ(after, before + "other=\x93\xfa\x96\x7b\r\n");
    EXPECT_EQ(Read(after, "s", "name"), "花子");
}

TEST(ProfileEncoding, Utf16FileStaysUtf16) {
    const std::string before = WithBom("[s]\r\nname=花子\r\n");
    const std::string after = Write(before, "s", "other", "abc");
    EXPECT_EQ(after, WithBom("[s]\r\nname=花子\r\nother=abc\r\n"));
    EXPECT_EQ(Read(after, "s", "name"), "花子");
    EXPECT_EQ(ProfileDocument(after, SystemAnsiCodec()).Encoding(), ProfileEncoding::Utf16Le);
}

TEST(ProfileEncoding, Utf16FileFollowsTheSameReadingRules) {
    const std::string bytes = WithBom("junk=1\n  [ S ] x\r ;c=1\r\n k = \"😀 é\" \r\nk=2");
    EXPECT_EQ(Read(bytes, "s", "k"), "😀 é");
    EXPECT_EQ(Read(bytes, "s", ";c"), "<default>");
    EXPECT_EQ(Read(bytes, "s", "junk"), "<default>");
}

TEST(ProfileEncoding, Utf16FileKeepsUntouchedLinesByteForByte) {
    const std::string before = WithBom(";c\n[a]\n x = 1 \n[b]\ry=2");
    EXPECT_EQ(Write(before, "a", "x", "3"), WithBom(";c\n[a]\nx=3\r\n[b]\ry=2"));
    EXPECT_EQ(Write(before, "b", "z", "é"), WithBom(";c\n[a]\n x = 1 \n[b]\ry=2\r\nz=é\r\n"));
}

TEST(ProfileEncoding, OddTrailingByteOfUtf16FileIgnored) {
    const std::string bytes = WithBom("[s]\r\nk=v\r\n") + "\x41";
    EXPECT_EQ(Read(bytes, "s", "k"), "v");
}

struct SwitchCase {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
};

const SwitchCase kSwitchCases[] = {
    {"UnrepresentableValue", "s", "new", "café"},
    {"UnrepresentableKey", "s", "café", "v"},
    {"UnrepresentableSection", "café", "k", "v"},
    {"Emoji", "s", "k", "😀"},
    {"Hangul", "s", "name", "한"},
};

class ProfileEncodingSwitch : public testing::TestWithParam<SwitchCase> {};

// The file becomes UTF-16LE with BOM; every line keeps its text and its line break, so every
// value already there reads as before.
TEST_P(ProfileEncodingSwitch, TurnsFileIntoUtf16KeepingEverything) {
    const SwitchCase& c = GetParam();
    const std::string before = "top\n;comment\r\n[s]\r\nname=\x89\xd4\x8e\x71\n  k = \"x\" \r\n\r\n[t]\rm=1";
    const std::string after = Write(before, c.section, c.key, c.value);
    ProfileDocument expected(WithBom("top\n;comment\r\n[s]\r\nname=花子\n  k = \"x\" \r\n\r\n[t]\rm=1"),
                             SystemAnsiCodec());
    expected.Set(c.section, c.key, c.value);
    EXPECT_EQ(after, expected.Bytes());
    EXPECT_EQ(after.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(Read(after, c.section, c.key), c.value);
    if (c.key != "name") {
        EXPECT_EQ(Read(after, "s", "name"), "花子");
    }
    if (c.key != "k") {
        EXPECT_EQ(Read(after, "s", "k"), "x");
    }
    EXPECT_EQ(Read(after, "t", "m"), "1");
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         ProfileEncodingSwitch,
                         testing::ValuesIn(kSwitchCases),
                         [](const testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.name); });

TEST(ProfileEncoding, NewFileWithUnrepresentableValueStartsAsUtf16) {
    EXPECT_EQ(Write("", "S", "k", "é"), WithBom("[S]\r\nk=é\r\n"));
}

TEST(ProfileEncoding, SwitchWhenHeaderFitsButEntryDoesNot) {
    // The new header is written in the code page first; the switch must re-encode it too.
    const std::string after = Write("[a]\r\nx=1\r\n", "b", "k", "é");
    EXPECT_EQ(after, WithBom("[a]\r\nx=1\r\n[b]\r\nk=é\r\n"));
}

TEST(ProfileEncoding, Utf8BomFileIsReadAsCodePageText) {
    // Its first line starts with the BOM's bytes, so it is no section header.
    const std::string bytes = "\xEF\xBB\xBF[s]\r\nk=v\r\n";
    const std::string after = Write(bytes, "s", "k", "w");
    EXPECT_EQ(after, bytes + "[s]\r\nk=w\r\n");
}

}  // namespace
