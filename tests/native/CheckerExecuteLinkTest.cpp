#include <gtest/gtest.h>

#include "checker/core/ExecuteLink.h"

namespace Pruvo {
namespace {

struct LinkCase {
    const char* value;
    bool copyFirst;
    const char* source;
    const char* target;
};

class ParseExecuteLinkTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(ParseExecuteLinkTest, SplitsSourceAndTargetAtTheFirstComma) {
    const ExecuteLink link = ParseExecuteLink(GetParam().value);
    EXPECT_EQ(link.copyFirst, GetParam().copyFirst);
    EXPECT_EQ(link.source, GetParam().source);
    EXPECT_EQ(link.target, GetParam().target);
}

INSTANTIATE_TEST_SUITE_P(
    Values,
    ParseExecuteLinkTest,
    ::testing::Values(LinkCase{"setup.exe", false, "", "setup.exe"},
                      LinkCase{"setup.ex_, setup.exe", true, "setup.ex_", "setup.exe"},
                      LinkCase{"setup.ex_,setup.exe", true, "setup.ex_", "setup.exe"},
                      LinkCase{"setup.ex_ ,  \tsetup.exe ", true, "setup.ex_ ",
                               "setup.exe "},  // source untrimmed, target trimmed at its start only
                      LinkCase{"a,b,c", true, "a", "b,c"},
                      LinkCase{"setup.ex_,", true, "setup.ex_", ""},
                      LinkCase{",setup.exe", true, "", "setup.exe"},
                      LinkCase{"", false, "", ""},
                      LinkCase{"  setup.exe", false, "", "  setup.exe"},
                      LinkCase{"C:\\Program Files\\x\\setup.exe", false, "", "C:\\Program Files\\x\\setup.exe"},
                      LinkCase{"インストーラ.ex_, インストーラ.exe", true, "インストーラ.ex_", "インストーラ.exe"}));

}  // namespace
}  // namespace Pruvo
