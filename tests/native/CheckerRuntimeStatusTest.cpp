#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checker/core/RuntimeCheck.h"
#include "tests/native/CheckerFakeSystem.h"

namespace Pruvo {
namespace {

using test::FakeSystem;

struct StatusCase {
    const char* list;
    RuntimeState expected;
};

class RuntimeStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(RuntimeStatusTest, InstalledOnlyWhenEveryNameIsFound) {
    FakeSystem computer;
    computer.loadable = {"a.dll", "b.dll", "c.dll"};
    EXPECT_EQ(RuntimeStateOf(GetParam().list, computer), GetParam().expected) << "list: [" << GetParam().list << "]";
}

INSTANTIATE_TEST_SUITE_P(Lists,
                         RuntimeStatusTest,
                         ::testing::Values(StatusCase{"a.dll", RuntimeState::Installed},
                                           StatusCase{"a.dll, b.dll, c.dll", RuntimeState::Installed},
                                           StatusCase{"a.dll, x.dll", RuntimeState::Missing},
                                           StatusCase{"x.dll, a.dll", RuntimeState::Missing},
                                           // no DLLs: nothing can be missing
                                           StatusCase{"", RuntimeState::Installed},
                                           // trailing comma adds no name
                                           StatusCase{"a.dll,", RuntimeState::Installed},
                                           // the empty name is missing
                                           StatusCase{"a.dll,,b.dll", RuntimeState::Missing},
                                           StatusCase{" ", RuntimeState::Missing},
                                           StatusCase{"A.DLL", RuntimeState::Missing}));

TEST(RuntimeStatusProbe, IsAskedAboutTrimmedNamesInListOrder) {
    FakeSystem computer;
    computer.loadable = {"a.dll", "b.dll", "c.dll"};
    RuntimeStateOf("  c.dll , a.dll,b.dll ", computer);
    EXPECT_EQ(computer.asked, (std::vector<std::string>{"c.dll", "a.dll", "b.dll"}));
}

TEST(RuntimeStatusProbe, IsNeverAskedAboutAnEmptyName) {
    FakeSystem computer;
    computer.loadable = {"", "a.dll"};
    EXPECT_EQ(RuntimeStateOf("a.dll,,a.dll", computer), RuntimeState::Missing);
    for (const std::string& name : computer.asked)
        EXPECT_FALSE(name.empty());
}

TEST(RuntimeStatusTexts, AreTheJapaneseWords) {
    EXPECT_EQ(RuntimeStateText(RuntimeState::Installed),
              "\xE3\x82\xA4\xE3\x83\xB3\xE3\x82\xB9\xE3\x83\x88\xE3\x83\xBC\xE3\x83\xAB\xE6\xB8\x88\xE3\x81\xBF");
    EXPECT_EQ(RuntimeStateText(RuntimeState::Missing),
              "\xE6\x9C\xAA\xE3\x82\xA4\xE3\x83\xB3\xE3\x82\xB9\xE3\x83\x88\xE3\x83\xBC\xE3\x83\xAB");
}

}  // namespace
}  // namespace Pruvo
