// The behaviour of the platform's private-profile functions, case by case: file before,
// operations, and what they read or what the file holds afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/core/ProfileDocument.h"
#include "common/core/ProfileValue.h"

namespace {

struct ReadCase {
    const char* name;
    std::string file;
    std::string section;
    std::string key;
    std::string expected;  // kDefault: the default comes back
};

const std::string kDefault = "<default>";

std::string Read(const std::string& file, const std::string& section, const std::string& key) {
    const ProfileDocument document(file, SystemAnsiCodec());
    return ResolveProfileValue(document.Find(section, key), kDefault, SystemAnsiCodec());
}

const ReadCase kReadCases[] = {
    {"CaseInsensitiveNames", "[MySec]\r\nMyKey=v\r\n", "mysec", "MYKEY", "v"},
    {"BlanksAroundNamesAndValue", "  [  Sec  ]  \r\n   key   =   a  b   \r\n", "Sec", "key", "a  b"},
    {"BlanksAroundArguments", "  [  Sec  ]  \r\n   key   =   a  b   \r\n", " Sec ", " key ", "a  b"},
    {"TabsAreBlanks", "\t[\tSec\t]\r\n\tkey\t=\tv\t\r\n", "Sec", "key", "v"},
    {"OuterQuotePairRemoved", "[S]\r\nk=\"'v'\"\r\n", "S", "k", "'v'"},
    {"UnmatchedQuotesKept", "[S]\r\nk=\"v'\r\n", "S", "k", "\"v'"},
    {"QuotedBlanksKept", "[S]\r\nk=  \"   v   \"  \r\n", "S", "k", "   v   "},
    {"SingleQuotes", "[S]\r\nk='v'\r\n", "S", "k", "v"},
    {"LoneQuote", "[S]\r\nk=\"\r\n", "S", "k", "\""},
    {"EmptyQuotes", "[S]\r\nk=\"\"\r\n", "S", "k", ""},
    {"QuotesNotRemovedFromKeys", "[S]\r\n\"k\"=v\r\n", "S", "k", kDefault},
    {"QuotedKeyFoundWithQuotes", "[S]\r\n\"k\"=v\r\n", "S", "\"k\"", "v"},
    {"QuotesNotRemovedFromSections", "[\"S\"]\r\nk=v\r\n", "S", "k", kDefault},
    {"CommentNeverFound", "[s]\r\n;k=1\r\nk2=2\r\n", "s", ";k", kDefault},
    {"IndentedCommentNeverFound", "[s]\r\n  ;k=1\r\n", "s", ";k", kDefault},
    {"HashIsText", "[s]\r\n #h=2\r\nk=v ;c\r\n", "s", "#h", "2"},
    {"SemicolonLaterIsText", "[s]\r\n #h=2\r\nk=v ;c\r\n", "s", "k", "v ;c"},
    {"SlashesAreText", "[s]\r\n//k=3\r\n", "s", "//k", "3"},
    {"FirstKeyWins", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "1"},
    {"FirstKeyWinsAcrossCase", "[S]\r\nK=1\r\nk=2\r\n", "S", "k", "1"},
    {"OnlyFirstSectionSearched", "[S]\r\n[T]\r\n[S]\r\nm=4\r\n", "S", "m", kDefault},
    {"LinesBeforeFirstSection", "top=1\r\n[s]\r\n", "s", "top", kDefault},
    {"NameEndsAtFirstBracket", "[sec]whoops]\r\nk=v\r\n", "sec", "k", "v"},
    {"HeaderWithoutBracket", "[S   \r\nk=v\r\n", "S", "k", "v"},
    {"TextAfterHeaderIsNoKey", "[S]k=v\r\n", "S", "k", kDefault},
    {"CrOnlyLines", "[s]\rk=v\rm=w\r", "s", "m", "w"},
    {"LfOnlyLines", "[s]\nk=v\n", "s", "k", "v"},
    {"MixedLineBreaks", "[s]\r\na=1\nb=2\rc=3", "s", "c", "3"},
    {"SplitAtFirstEquals", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
    {"LineWithoutEqualsIsNoKey", "[s]\r\nk\r\n", "s", "k", kDefault},
    {"EmptyValueIsNotDefault", "[s]\r\nk=\r\n", "s", "k", ""},
    {"BlankValueIsEmpty", "[s]\r\nk=   \r\n", "s", "k", ""},
    {"MissingSection", "[s]\r\nk=v\r\n", "t", "k", kDefault},
    {"MissingKey", "[s]\r\nk=v\r\n", "s", "x", kDefault},
    {"EmptyFile", "", "s", "k", kDefault},
    {"EmptySectionNameFindsNothing", "[]\r\nk=v\r\n", "", "k", kDefault},
    {"BlankSectionNameFindsNothing", "[ ]\r\nk=v\r\n", " ", "k", kDefault},
    {"EmptyKeyFindsNamelessEntry", "[s]\r\n=v\r\n", "s", " ", "v"},
    {"KeyOfOtherSectionNotFound", "[a]\r\nk=1\r\n[b]\r\n", "b", "k", kDefault},
    {"BlankLinesIgnored", "\r\n\r\n[s]\r\n\r\n\r\nk=v\r\n\r\n", "s", "k", "v"},
    {"Utf8BomBelongsToFirstLine", "\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", kDefault},
    {"SecondSectionAfterBomLine", "\xEF\xBB\xBF[s]\r\nk=v\r\n[t]\r\nk=w\r\n", "t", "k", "w"},
    {"NoLastLineBreak", "[s]\r\nk=v", "s", "k", "v"},
    {"ShiftJisValue", "[s]\r\nk=\x93\xfa\x96\x7b\r\n", "s", "k", "日本"},
    {"ShiftJisTrailBytesAreNoSyntax", "[\x95\x5c]\r\n\x83\x5d=\x83\x5b\r\n", "表", "ゾ", "ゼ"},
};

class ProfileGoldenRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileGoldenRead, ReadsAsThePlatform) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(Read(c.file, c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         ProfileGoldenRead,
                         testing::ValuesIn(kReadCases),
                         [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct Write {
    std::string section;
    std::string key;
    std::string value;
};

struct WriteCase {
    const char* name;
    std::string before;
    std::vector<Write> writes;
    std::string after;
};

const WriteCase kWriteCases[] = {
    {"NewFile", "", {{"App", "key", "string"}}, "[App]\r\nkey=string\r\n"},
    {"SectionsInOrderWritten",
     "",
     {{"App1", "key1", "string1"},
      {"App1", "key2", "string2"},
      {"App1", "key3", "string3"},
      {"App2", "key4", "string4"},
      {"App3", "key5", "string5"}},
     "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n"},
    {"NewKeysAfterLastEntry",
     "[S]\r\nb=value\r\na=value\r\n",
     {{"S", "z", ""}, {"S", "b", ""}, {"S", "y", ""}, {"S", "a", ""}},
     "[S]\r\nb=\r\na=\r\nz=\r\ny=\r\n"},
    {"CommentsStayInPlace",
     ";comment0\r\n[S]\r\n;comment1\r\nb=value\r\n;comment2\r\na=value\r\n",
     {{"S", "z", ""}, {"S", "y", ""}, {"S", "a", ""}, {"S", "b", ""}},
     ";comment0\r\n[S]\r\n;comment1\r\nb=\r\n;comment2\r\na=\r\nz=\r\ny=\r\n"},
    {"CommentAfterLastEntryStaysBelowNewKey",
     "[S]\r\na=1\r\n;tail\r\n[T]\r\n",
     {{"S", "b", "2"}},
     "[S]\r\na=1\r\nb=2\r\n;tail\r\n[T]\r\n"},
    {"TouchedLastLineGetsLineBreak",
     "[SectionName]\r\nTestKey=TestValue",
     {{"SECTIONNAME", "TESTKEY", "TestValue2"}},
     "[SectionName]\r\nTestKey=TestValue2\r\n"},
    {"ArgumentsTrimmedValueVerbatim", "", {{"   sec   ", "  key  ", " value "}}, "[sec]\r\nkey= value \r\n"},
    {"DataBeforeFirstSection",
     "Data before first section",
     {{"section1", "key1", "string1"}},
     "Data before first section\r\n[section1]\r\nkey1=string1\r\n"},
    {"Utf16BomOnly",
     std::string("\xFF\xFE", 2),
     {{"S", "k", "v"}},
     std::string("\xFF\xFE\r\0\n\0[\0S\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0", 26)},
    {"BlankLinesAndOtherSectionUntouched",
     "[a]\r\n\r\nx = 1\r\n\r\n[b]\r\ny=2\r\n",
     {{"a", "x", "3"}},
     "[a]\r\n\r\nx=3\r\n\r\n[b]\r\ny=2\r\n"},
    {"KeyKeepsItsSpelling", "[Sec]\r\n  MyKey  = old\r\n", {{"SEC", "mykey", "new"}}, "[Sec]\r\nMyKey=new\r\n"},
    {"LfLinesKeptExceptTheTouchedOne", "[s]\na=1\nb=2\n", {{"s", "a", "9"}}, "[s]\na=9\r\nb=2\n"},
    {"CrLinesKept", "[s]\ra=1\r", {{"s", "b", "2"}}, "[s]\ra=1\rb=2\r\n"},
    {"SectionWithoutEntriesGetsKeyAfterHeader",
     "[s]\r\n;only a comment\r\n[t]\r\n",
     {{"s", "k", "v"}},
     "[s]\r\nk=v\r\n;only a comment\r\n[t]\r\n"},
    {"HeaderAsLastLineWithoutBreak", "[s]", {{"s", "k", "v"}}, "[s]\r\nk=v\r\n"},
    {"NewSectionAfterBlankLinesNoExtraBreak",
     "[a]\r\nx=1\r\n\r\n",
     {{"b", "y", "2"}},
     "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n"},
    {"OnlyFirstDuplicateSectionWritten",
     "[S]\r\na=1\r\n[T]\r\n[S]\r\nm=4\r\n",
     {{"s", "m", "5"}},
     "[S]\r\na=1\r\nm=5\r\n[T]\r\n[S]\r\nm=4\r\n"},
    {"OnlyFirstDuplicateKeyWritten", "[S]\r\nk=1\r\nk=2\r\n", {{"S", "k", "3"}}, "[S]\r\nk=3\r\nk=2\r\n"},
    {"JunkLinesAreNoEntries", "[S]\r\na=1\r\njunk\r\n", {{"S", "b", "2"}}, "[S]\r\na=1\r\nb=2\r\njunk\r\n"},
    {"CommentedKeyIsNotTheKey", "[S]\r\n;k=1\r\n", {{"S", "k", "2"}}, "[S]\r\nk=2\r\n;k=1\r\n"},
    {"ValueWithQuotesVerbatim", "", {{"S", "k", "\"q\""}}, "[S]\r\nk=\"q\"\r\n"},
    {"EmptyValueKeepsKey", "[S]\r\nk=v\r\n", {{"S", "k", ""}}, "[S]\r\nk=\r\n"},
    {"JapaneseInShiftJis", "", {{"PIMMO1", "PimmoName", "花子"}}, "[PIMMO1]\r\nPimmoName=\x89\xd4\x8e\x71\r\n"},
    {"SameValueStillRewritesTheLine", "[S]\n  k = v \n", {{"S", "k", "v"}}, "[S]\nk=v\r\n"},
};

class ProfileGoldenWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileGoldenWrite, EditsInPlaceAsThePlatform) {
    const WriteCase& c = GetParam();
    std::string bytes = c.before;
    for (const Write& w : c.writes) {
        ProfileDocument document(bytes, SystemAnsiCodec());
        document.Set(w.section, w.key, w.value);
        bytes = document.Bytes();
    }
    EXPECT_EQ(bytes, c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         ProfileGoldenWrite,
                         testing::ValuesIn(kWriteCases),
                         [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

}  // namespace
