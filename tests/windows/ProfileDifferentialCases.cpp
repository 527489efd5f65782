#include "tests/windows/ProfileDifferentialCases.h"

#include <random>

#include "base/core/Utf16.h"
#include "common/core/TextCodec.h"

std::string Ansi(const std::string& utf8) {
    return SystemAnsiCodec().FromUtf8(utf8).value();
}

std::string Utf16File(const std::string& utf8) {
    std::string out = "\xFF\xFE";
    for (char16_t u : Utf8ToUtf16(utf8)) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

namespace {

Operation R(std::string section, std::string key, std::string defaultValue = "<default>") {
    return {Operation::Read, std::move(section), std::move(key), std::move(defaultValue)};
}

Operation W(std::string section, std::string key, std::string value) {
    return {Operation::Write, std::move(section), std::move(key), std::move(value)};
}

const char* const kPimmoFile =
    "[PimmoHouse]\r\nNumbersOfSettings=2\r\nSetting1=1\r\nSetting2=2\r\n"
    "[PIMMO1]\r\nPimmoName=花子\r\nPimmoBirthDay=2020/04/01\r\nPictureFile=C:\\写真\\hanako.jpg\r\n"
    "WindowPosition=1\r\nLastWindowTop=1200\r\nLastWindowLeft=3400\r\nLockSetting=\r\n"
    "[PIMMO2]\r\nPimmoName=太郎\r\nLockSetting=locked\r\n";

}  // namespace

std::vector<DifferentialCase> HandEditedCases() {
    const std::string longValue(3000, 'L');
    return {
        {"PimmoFile",
         Ansi(kPimmoFile),
         {R("PIMMO1", "PimmoName"), R("pimmo1", "PICTUREFILE"), R("PIMMO1", "LockSetting", "x"),
          R("Pimmo2", "LockSetting"), W("PIMMO1", "LockSetting", "locked"), R("PIMMO1", "LockSetting"),
          W("PIMMO1", "LockSetting", ""), W("Pimmo3", "PimmoName", "次郎"), W("PimmoHouse", "NumbersOfSettings", "3"),
          R("PimmoHouse", "Setting3", "0"), W("PimmoHouse", "Setting3", "3"), R("PIMMO3", "PimmoName")}},
        {"MissingFile",
         std::nullopt,
         {R("App", "key"), W("App1", "key1", "string1"), W("App1", "key2", "string2"), W("App1", "key3", "string3"),
          W("App2", "key4", "string4"), W("App3", "key5", "string5"), R("app1", "KEY2"), R("App3", "key5")}},
        {"EmptyFile", "", {R("s", "k"), W("   sec   ", "  key  ", " value "), R("sec", "key"), R(" sec ", " key ")}},
        {"Spacing",
         "  [  Sec  ]  \r\n   key   =   a  b   \r\n\t[\tTab\t]\t\r\n\tk\t=\tv\t\r\n",
         {R("Sec", "key"), R(" Sec ", " key "), R("Tab", "k"), W("sec", "KEY", "c"), W("Tab", "new", "n"),
          R("Sec", "key")}},
        {"Quotes",
         "[S]\r\na=\"'v'\"\r\nb=\"v'\r\nc=  \"   v   \"  \r\nd='x'\r\ne=\"\r\nf=\"\"\r\n\"g\"=1\r\n",
         {R("S", "a"), R("S", "b"), R("S", "c"), R("S", "d"), R("S", "e"), R("S", "f"), R("S", "g"), R("S", "\"g\""),
          W("S", "h", "\"quoted\""), R("S", "h"), W("S", "i", "'single'"), W("S", "a", "\" half")}},
        {"Comments",
         ";comment0\r\n[S]\r\n;comment1\r\nb=value\r\n;comment2\r\na=value\r\n[T]\r\n #h=2\r\nk=v ;c\r\n//s=3\r\n",
         {R("S", "b"), R("T", "#h"), R("T", "k"), R("T", "//s"), W("S", "z", ""), W("S", "y", ""), W("S", "a", ""),
          W("S", "b", ""), R("S", "z", "d"), R("S", "a", "d")}},
        {"DuplicateKeys", "[S]\r\nk=1\r\nK=2\r\nk=3\r\n", {R("S", "k"), W("S", "k", "4"), R("s", "K")}},
        {"DuplicateSections",
         "[S]\r\na=1\r\n[T]\r\nt=1\r\n[S]\r\nm=4\r\n",
         {R("S", "a"), R("S", "m"), R("T", "t"), W("S", "m", "5"), R("S", "m"), W("T", "u", "2")}},
        {"LinesBeforeFirstSection",
         "top=1\r\nData before\r\n[s]\r\nk=v\r\n",
         {R("s", "top"), R("s", "k"), W("s", "top", "2"), R("s", "top")}},
        {"NoFinalLineBreak",
         "[SectionName]\r\nTestKey=TestValue",
         {R("SectionName", "TestKey"), W("SECTIONNAME", "TESTKEY", "TestValue2"), W("SectionName", "Other", "o"),
          W("Second", "k", "v")}},
        {"DataWithoutSection", "Data before first section", {W("section1", "key1", "string1"), R("section1", "key1")}},
        {"LfOnly", "[s]\nk=v\nm=w\n", {R("s", "k"), R("s", "m"), W("s", "k", "x"), W("s", "n", "y"), W("t", "a", "b")}},
        {"CrOnly", "[s]\rk=v\rm=w\r", {R("s", "k"), R("s", "m"), W("s", "m", "z"), W("s", "n", "y")}},
        {"MixedLineBreaks",
         "[s]\r\na=1\nb=2\rc=3\r\n[t]\nd=4",
         {R("s", "a"), R("s", "b"), R("s", "c"), R("t", "d"), W("t", "d", "5")}},
        {"BlankLinesKept",
         "[a]\r\n\r\nx = 1\r\n\r\n[b]\r\ny=2\r\n   \r\n",
         {R("a", "x"), W("a", "x", "3"), R("b", "y"), W("b", "z", "4")}},
        {"EmptyValues",
         "[S]\r\nk=\r\nm=   \r\n",
         {R("S", "k", "default"), R("S", "m", "default"), R("S", "missing", "default  "),
          R("S", "missing", "  default"), W("S", "n", ""), R("S", "n", "default")}},
        {"ValuesWithSyntax",
         "[S]\r\nk=a=b\r\nm=x;y\r\nn=[z]\r\n",
         {R("S", "k"), R("S", "m"), R("S", "n"), W("S", "p", "c=d;e"), W("S", "q", "[not a section]"), R("S", "q")}},
        {"LinesWithoutEquals", "[S]\r\njunk\r\nk=1\r\nmore junk\r\n", {R("S", "junk"), R("S", "k"), W("S", "j", "2")}},
        {"TextAfterHeader",
         "[S] ; note\r\nk=v\r\n[T]x\r\nm=w\r\n",
         {R("S", "k"), R("T", "m"), W("S", "k", "u"), W("T", "n", "o")}},
        {"LongValue",
         "[S]\r\nlong=" + longValue + "\r\n",
         {R("S", "long"), R("S", "missing", longValue), W("S", "long2", longValue), R("S", "long2")}},
        {"JapaneseAnsi",
         Ansi("[設定]\r\n名前=花子\r\nパス=C:\\表示\\ソフト.jpg\r\n"),
         {R("設定", "名前"), R("設定", "パス"), W("設定", "名前", "太郎"), W("設定", "新", "ゼ表ソ"),
          W("新しい", "キー", "値")}},
        {"Utf16File",
         Utf16File("[PIMMO1]\r\nPimmoName=花子\r\nLockSetting=\r\n[T]\r\n k = \"v\" \r\n"),
         {R("PIMMO1", "PimmoName"), R("t", "K"), W("PIMMO1", "LockSetting", "locked"), W("PIMMO1", "New", "新しい"),
          W("U", "x", "y"), R("PIMMO1", "LockSetting")}},
        {"Utf16BomOnly", std::string("\xFF\xFE", 2), {R("S", "k"), W("S", "k", "v"), R("S", "k")}},
        {"ManySettings",
         Ansi("[PimmoHouse]\r\nNumbersOfSettings=9\r\n[PIMMO1]\r\nPimmoName=一\r\n[PIMMO2]\r\nPimmoName=二\r\n"
              "[PIMMO3]\r\nPimmoName=三\r\n[PIMMO4]\r\n[PIMMO5]\r\nPimmoName=五\r\n"),
         {W("PIMMO4", "PimmoName", "四"), W("PIMMO2", "LockSetting", "locked"), W("PIMMO6", "PimmoName", "六"),
          R("pimmo5", "pimmoname"), W("PIMMO1", "PimmoName", ""), R("PIMMO1", "PimmoName", "x")}},
        {"CaseOfNewNames",
         "[Sec]\r\nKey=1\r\n",
         {W("SEC", "KEY", "2"), W("sec", "other", "3"), W("NEW", "Mixed", "4"), W("new", "MIXED", "5"),
          R("New", "mixed")}},
        {"EmptyNames", "[]\r\nk=v\r\n[s]\r\n=v\r\n", {R("", "k"), R(" ", "k"), R("s", ""), R("s", " ")}},
        {"ValuesWithBlanks",
         "[S]\r\n",
         {W("S", "a", "  lead"), W("S", "b", "trail  "), W("S", "c", "\tt\t"), R("S", "a"), R("S", "b"), R("S", "c")}},
    };
}

std::vector<DifferentialCase> RandomCases(int count) {
    const std::vector<std::string> sections = {"PIMMO1", "pimmo1", " Pimmo2 ", "PimmoHouse", "New"};
    const std::vector<std::string> keys = {"PimmoName", "pimmoname", "LockSetting", " LastWindowTop ", "Key"};
    const std::vector<std::string> values = {
        "", "v", " spaced ", "\"quoted\"", "'q'", "花子", "a=b;c", "C:\\写真\\a.jpg", "locked", "=", "\"", "[x]"};
    const std::vector<std::string> defaults = {"", "0", "d  ", "  d", "花子", "a=b"};
    const std::vector<DifferentialCase> starts = HandEditedCases();
    std::mt19937 random(20240401);
    std::vector<DifferentialCase> cases;
    for (int n = 0; n < count; ++n) {
        const DifferentialCase& start = starts[random() % starts.size()];
        DifferentialCase c{"Random" + std::to_string(n) + "From" + start.name, start.start, {}};
        for (int i = 0; i < 24; ++i) {
            const std::string& section = sections[random() % sections.size()];
            const std::string& key = keys[random() % keys.size()];
            if (random() % 5 < 3) {
                c.operations.push_back(W(section, key, values[random() % values.size()]));
            } else {
                // Defaults without outer quotes: the platform here strips them from a default
                // too, which Windows is not documented to do (no caller passes one).
                c.operations.push_back(R(section, key, defaults[random() % defaults.size()]));
            }
        }
        cases.push_back(std::move(c));
    }
    return cases;
}
