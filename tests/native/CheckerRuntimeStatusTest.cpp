#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "RuntimeStatus.h"

namespace Pruvo {
namespace {

// A computer on which exactly these DLLs exist; it records every name it is asked about.
struct FakeComputer {
    std::set<std::string> dlls;
    std::vector<std::string> asked;

    DllProbe Probe() {
        return [this](const std::string& name) {
            asked.push_back(name);
            return dlls.count(name) != 0;
        };
    }
};

struct StatusCase {
    const char* list;
    std::string_view expected;
};

class RuntimeStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(RuntimeStatusTest, InstalledOnlyWhenEveryNameIsFound) {
    FakeComputer computer{{"a.dll", "b.dll", "c.dll"}, {}};
    EXPECT_EQ(RuntimeStatus(GetParam().list, computer.Probe()), GetParam().expected)
        << "list: [" << GetParam().list << "]";
}

INSTANTIATE_TEST_SUITE_P(Lists,
                         RuntimeStatusTest,
                         ::testing::Values(StatusCase{"a.dll", kInstalledText},
                                           StatusCase{"a.dll, b.dll, c.dll", kInstalledText},
                                           StatusCase{"a.dll, x.dll", kNotInstalledText},
                                           StatusCase{"x.dll, a.dll", kNotInstalledText},
                                           StatusCase{"", kInstalledText},        // no DLLs: nothing can be missing
                                           StatusCase{"a.dll,", kInstalledText},  // trailing comma adds no name
                                           StatusCase{"a.dll,,b.dll", kNotInstalledText},  // the empty name is missing
                                           StatusCase{" ", kNotInstalledText},
                                           StatusCase{"A.DLL", kNotInstalledText}));

TEST(RuntimeStatusProbe, IsAskedAboutTrimmedNamesInListOrder) {
    FakeComputer computer{{"a.dll", "b.dll", "c.dll"}, {}};
    RuntimeStatus("  c.dll , a.dll,b.dll ", computer.Probe());
    EXPECT_EQ(computer.asked, (std::vector<std::string>{"c.dll", "a.dll", "b.dll"}));
}

TEST(RuntimeStatusProbe, IsNeverAskedAboutAnEmptyName) {
    FakeComputer computer{{"", "a.dll"}, {}};
    EXPECT_EQ(RuntimeStatus("a.dll,,a.dll", computer.Probe()), kNotInstalledText);
    for (const std::string& name : computer.asked) {
        EXPECT_FALSE(name.empty());
    }
}

TEST(RuntimeStatusTexts, AreTheJapaneseWords) {
    EXPECT_EQ(kInstalledText,
              "\xE3\x82\xA4\xE3\x83\xB3\xE3\x82\xB9\xE3\x83\x88\xE3\x83\xBC\xE3\x83\xAB\xE6\xB8\x88\xE3\x81\xBF");
    EXPECT_EQ(kNotInstalledText,
              "\xE6\x9C\xAA\xE3\x82\xA4\xE3\x83\xB3\xE3\x82\xB9\xE3\x83\x88\xE3\x83\xBC\xE3\x83\xAB");
}

}  // namespace
}  // namespace Pruvo
