#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checker/core/DllList.h"

namespace Pruvo {
namespace {

struct SplitCase {
    const char* list;
    std::vector<std::string> names;
};

class SplitDllListTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitDllListTest, GivesTheNamesInOrder) {
    EXPECT_EQ(SplitDllList(GetParam().list), GetParam().names) << "list: [" << GetParam().list << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Lists,
    SplitDllListTest,
    ::testing::Values(SplitCase{"a.dll, b.dll", {"a.dll", "b.dll"}},
                      SplitCase{"a.dll,b.dll", {"a.dll", "b.dll"}},
                      SplitCase{"a.dll", {"a.dll"}},
                      SplitCase{"a", {"a"}},           // a one-character list ends at its only character
                      SplitCase{"a.dll,", {"a.dll"}},  // trailing comma adds nothing
                      SplitCase{"a.dll, b.dll,", {"a.dll", "b.dll"}},
                      SplitCase{"a.dll,,b.dll", {"a.dll", "", "b.dll"}},  // two commas give one empty name
                      SplitCase{"a.dll, ,b.dll", {"a.dll", "", "b.dll"}},
                      SplitCase{",a.dll", {"", "a.dll"}},
                      SplitCase{",", {""}},
                      SplitCase{",,", {"", ""}},
                      SplitCase{"", {}},
                      SplitCase{"   a.dll  ,\tb.dll\t", {"a.dll", "b.dll"}},  // blanks around each name
                      SplitCase{"  ", {""}},                                  // only blanks: one empty name
                      SplitCase{"a.dll, ", {"a.dll", ""}},                    // a blank after the last comma is a name
                      SplitCase{"my lib.dll, x", {"my lib.dll", "x"}},        // inner blanks stay
                      SplitCase{"Msvbvm60.dll, Vb6jp.dll, Oleaut32.dll", {"Msvbvm60.dll", "Vb6jp.dll", "Oleaut32.dll"}},
                      SplitCase{"日本語.dll,b.dll", {"日本語.dll", "b.dll"}}));

struct TrimCase {
    const char* text;
    const char* both;
    const char* left;
};

class TrimBlanksTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimBlanksTest, RemovesBlanksOnlyWhereAsked) {
    EXPECT_EQ(TrimBlanks(GetParam().text), GetParam().both);
    EXPECT_EQ(TrimLeftBlanks(GetParam().text), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(Texts,
                         TrimBlanksTest,
                         ::testing::Values(TrimCase{"", "", ""},
                                           TrimCase{"   ", "", ""},
                                           TrimCase{" a b ", "a b", "a b "},
                                           TrimCase{"\t\r\na\n", "a", "a\n"},
                                           TrimCase{"x", "x", "x"}));

}  // namespace
}  // namespace Pruvo
