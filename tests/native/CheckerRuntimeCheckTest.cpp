#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "checker/core/CheckerTexts.h"
#include "checker/core/RuntimeCheck.h"
#include "tests/native/CheckerFakeSystem.h"

namespace Pruvo {

void PrintTo(const RuntimeResult& row, std::ostream* out) {
    *out << "{" << row.name << ", " << RuntimeStateText(row.state) << "}";
}

void PrintTo(const DllDetails& dll, std::ostream* out) {
    *out << "{" << dll.name << ", " << (dll.path ? *dll.path : "<none>") << ", " << dll.version << "}";
}

namespace {

using test::FakeProfile;
using test::FakeSystem;
using test::ProfileLine;

constexpr RuntimeState kIn = RuntimeState::Installed;
constexpr RuntimeState kOut = RuntimeState::Missing;

// The computer of every case: a.dll, b.dll and c.dll exist, x.dll does not.
FakeSystem Computer() {
    FakeSystem computer;
    computer.loadable = {"a.dll", "b.dll", "c.dll"};
    return computer;
}

// Two entries of a built-in table, one of them missing on the computer.
const std::vector<RuntimeEntry> kBuiltin{{"内蔵 1", "a.dll", "http://one"}, {"内蔵 2", "x.dll", "http://two"}};

struct CheckCase {
    const char* title;
    std::vector<ProfileLine> profile;
    int runtimeCount;
    std::vector<RuntimeResult> rows;
    bool allInstalled;
};

class RuntimeCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(RuntimeCheckTest, GivesEveryRuntimesStateAndTheOutcome) {
    const CheckCase& c = GetParam();
    const RuntimeCheck check = CheckRuntimes(FakeProfile(c.profile), kBuiltin, Computer());
    EXPECT_EQ(check.runtimeCount, c.runtimeCount) << c.title;
    EXPECT_EQ(check.InstallerMode(), c.runtimeCount != 0) << c.title;
    EXPECT_EQ(check.rows, c.rows) << c.title;
    EXPECT_EQ(check.allInstalled, c.allInstalled) << c.title;
}

INSTANTIATE_TEST_SUITE_P(
    Profiles,
    RuntimeCheckTest,
    ::testing::Values(
        CheckCase{"no profile: plain mode, the built-in table", {}, 0, {{"内蔵 1", kIn}, {"内蔵 2", kOut}}, false},
        CheckCase{"a count of 0 lists nothing of the profile",
                  {{"Pruvo", "NumbersOfDlls", "0"}, {"Runtimes", "1", "R1"}, {"Dlls", "1", "a.dll"}},
                  0,
                  {{"内蔵 1", kIn}, {"内蔵 2", kOut}},
                  false},
        CheckCase{"all installed",
                  {{"Pruvo", "NumbersOfDlls", "2"},
                   {"Runtimes", "1", "R1"},
                   {"Runtimes", "2", "R2"},
                   {"Dlls", "1", "a.dll, b.dll"},
                   {"Dlls", "2", "c.dll"}},
                  2,
                  {{"R1", kIn}, {"R2", kIn}},
                  true},
        CheckCase{"one runtime missing",
                  {{"Pruvo", "NumbersOfDlls", "2"},
                   {"Runtimes", "1", "R1"},
                   {"Runtimes", "2", "R2"},
                   {"Dlls", "1", "a.dll, x.dll"},
                   {"Dlls", "2", "c.dll"}},
                  2,
                  {{"R1", kOut}, {"R2", kIn}},
                  false},
        CheckCase{"the last runtime missing",
                  {{"Pruvo", "NumbersOfDlls", "2"}, {"Dlls", "1", "a.dll"}, {"Dlls", "2", "x.dll"}},
                  2,
                  {{"", kIn}, {"", kOut}},
                  false},
        CheckCase{"more runtimes counted than listed: empty rows, installed",
                  {{"Pruvo", "NumbersOfDlls", "3"}, {"Runtimes", "1", "R1"}, {"Dlls", "1", "a.dll"}},
                  3,
                  {{"R1", kIn}, {"", kIn}, {"", kIn}},
                  true},
        CheckCase{"an empty name in the list is missing",
                  {{"Pruvo", "NumbersOfDlls", "1"}, {"Runtimes", "1", "R1"}, {"Dlls", "1", "a.dll,,b.dll"}},
                  1,
                  {{"R1", kOut}},
                  false},
        CheckCase{"a negative count: installer mode without rows, all installed",
                  {{"Pruvo", "NumbersOfDlls", "-2"}, {"Runtimes", "1", "R1"}, {"Dlls", "1", "x.dll"}},
                  -2,
                  {},
                  true},
        CheckCase{"the display name is not what decides",
                  {{"Pruvo", "NumbersOfDlls", "1"}, {"Runtimes", "1", "未インストール"}, {"Dlls", "1", "a.dll"}},
                  1,
                  {{"未インストール", kIn}},
                  true}));

TEST(RuntimeCheckPlainMode, WithoutABuiltinTableHasNoRows) {
    const RuntimeCheck check = CheckRuntimes(FakeProfile(), {}, Computer());
    EXPECT_FALSE(check.InstallerMode());
    EXPECT_TRUE(check.rows.empty());
    EXPECT_FALSE(check.allInstalled);
}

TEST(RuntimeCheckProbe, IsAskedAboutTheListedRuntimesOnlyInInstallerMode) {
    const FakeSystem computer = Computer();
    CheckRuntimes(FakeProfile({{"Pruvo", "NumbersOfDlls", "1"}, {"Dlls", "1", "c.dll, b.dll"}}), kBuiltin, computer);
    EXPECT_EQ(computer.asked, (std::vector<std::string>{"c.dll", "b.dll"}));
}

struct DetailsCase {
    const char* list;
    std::vector<DllDetails> expected;
};

class DllDetailsTest : public ::testing::TestWithParam<DetailsCase> {};

// The path search finds a.dll (with a version) and t.txt (without); b.dll only the loader finds.
TEST_P(DllDetailsTest, GivesThePathSearchsPathAndTheVersionOfEachName) {
    FakeSystem computer = Computer();
    computer.files = {{"a.dll", "C:\\Windows\\System32\\a.dll"}, {"t.txt", "D:\\setup\\t.txt"}};
    computer.versions = {{"C:\\Windows\\System32\\a.dll", "6.1.7601.17514"}};
    EXPECT_EQ(DescribeDlls(GetParam().list, computer), GetParam().expected) << "list: [" << GetParam().list << "]";
    for (const std::string& name : computer.asked)
        EXPECT_FALSE(name.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lists,
    DllDetailsTest,
    ::testing::Values(DetailsCase{"", {}},
                      DetailsCase{"a.dll", {{"a.dll", "C:\\Windows\\System32\\a.dll", "6.1.7601.17514"}}},
                      DetailsCase{" t.txt , x.dll", {{"t.txt", "D:\\setup\\t.txt", ""}, {"x.dll", std::nullopt, ""}}},
                      // found by the loader's search alone: no path in the details
                      DetailsCase{"b.dll", {{"b.dll", std::nullopt, ""}}},
                      DetailsCase{"a.dll,,x.dll",
                                  {{"a.dll", "C:\\Windows\\System32\\a.dll", "6.1.7601.17514"},
                                   {"", std::nullopt, ""},
                                   {"x.dll", std::nullopt, ""}}}));

// An English Windows reads the profile's English names where it has them; Japanese never does.
TEST(RuntimeNames, EnglishEntriesStandBesideTheJapaneseOnes) {
    const FakeProfile both({{"Pruvo", "AppName", "アプリ"},
                            {"Pruvo", "AppNameEnglish", "App"},
                            {"Runtimes", "1", "ランタイム"},
                            {"RuntimesEnglish", "1", "Runtime"}});
    const FakeProfile japaneseOnly({{"Pruvo", "AppName", "アプリ"}, {"Runtimes", "1", "ランタイム"}});
    EXPECT_EQ(InstallationAppName(both, Language::English), "App");
    EXPECT_EQ(InstallationAppName(both, Language::Japanese), "アプリ");
    EXPECT_EQ(InstallationAppName(japaneseOnly, Language::English), "アプリ");
    EXPECT_EQ(InstallationAppName(FakeProfile(), Language::English), "the application");
    EXPECT_EQ(RuntimeDisplayName(both, 1, Language::English), "Runtime");
    EXPECT_EQ(RuntimeDisplayName(both, 1, Language::Japanese), "ランタイム");
    EXPECT_EQ(RuntimeDisplayName(japaneseOnly, 1, Language::English), "ランタイム");
    EXPECT_EQ(CheckerTitle("PRUVO", Language::English), "Pruvo");  // "Pruvo Help", not "PRUVO Help"
    EXPECT_EQ(CheckerTitle("PRUVO", Language::Japanese), "PRUVO");
}

}  // namespace
}  // namespace Pruvo
