// What one read returns: defaults, quotes and the cut at 1023 bytes of the code page.
#include <gtest/gtest.h>

#include <string>

#include "common/core/ProfileValue.h"

namespace {

struct ResolveCase {
    const char* name;
    bool found;
    std::string value;
    std::string defaultValue;
    std::string expected;
};

const ResolveCase kResolveCases[] = {
    {"FoundValue", true, "abc", "0", "abc"},
    {"MissingGivesDefault", false, "", "0", "0"},
    {"EmptyValueIsNotDefault", true, "", "default", ""},
    {"DefaultLosesTrailingSpaces", false, "", "d  ", "d"},
    {"DefaultKeepsLeadingSpaces", false, "", "  d", "  d"},
    {"DefaultKeepsTrailingTab", false, "", "d\t", "d\t"},
    {"DefaultKeepsQuotes", false, "", "\"d\"", "\"d\""},
    {"ValueLosesOuterQuotes", true, "\"abc\"", "", "abc"},
    {"ValueMixedQuotesKept", true, "'abc\"", "", "'abc\""},
};

class ProfileResolve : public testing::TestWithParam<ResolveCase> {};

TEST_P(ProfileResolve, ReturnsValueOrDefault) {
    const ResolveCase& c = GetParam();
    const std::optional<std::string> found = c.found ? std::optional<std::string>(c.value) : std::nullopt;
    EXPECT_EQ(ResolveProfileValue(found, c.defaultValue, SystemAnsiCodec()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         ProfileResolve,
                         testing::ValuesIn(kResolveCases),
                         [](const testing::TestParamInfo<ResolveCase>& info) { return std::string(info.param.name); });

std::string Repeat(const std::string& unit, size_t count) {
    std::string out;
    for (size_t i = 0; i < count; ++i)
        out += unit;
    return out;
}

struct CutCase {
    const char* name;
    std::string value;
    std::string expected;
};

const CutCase kCutCases[] = {
    {"ShortUnchanged", "abc", "abc"},
    {"Exactly1023Kept", Repeat("a", 1023), Repeat("a", 1023)},
    {"LongAsciiCut", Repeat("a", 5000), Repeat("a", 1023)},
    // 日 is two bytes in code page 932: 511 of them take 1022 bytes, a 512th would not fit.
    {"DoubleByteNeverSplit", Repeat("日", 600), Repeat("日", 511)},
    {"DoubleByteAfterOddStart", "a" + Repeat("日", 600), "a" + Repeat("日", 511)},
    // Half-width katakana: three bytes in UTF-8, one in code page 932.
    {"HalfWidthKanaCountsOneByte", Repeat("ｱ", 1100), Repeat("ｱ", 1023)},
    // A character the code page cannot spell counts as its '?'s would: one per UTF-16 unit.
    {"UnrepresentableCountsPerUnit", Repeat("😀", 600), Repeat("😀", 511)},
};

class ProfileCut : public testing::TestWithParam<CutCase> {};

TEST_P(ProfileCut, CutsAt1023AnsiBytes) {
    const CutCase& c = GetParam();
    EXPECT_EQ(CutToAnsiBytes(c.value, kMaxProfileValueBytes, SystemAnsiCodec()), c.expected);
    EXPECT_EQ(ResolveProfileValue(c.value, "", SystemAnsiCodec()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         ProfileCut,
                         testing::ValuesIn(kCutCases),
                         [](const testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

TEST(ProfileCut, DefaultIsCutToo) {
    EXPECT_EQ(ResolveProfileValue(std::nullopt, Repeat("d", 2000), SystemAnsiCodec()), Repeat("d", 1023));
}

TEST(ProfileCut, QuotesRemovedBeforeTheCut) {
    EXPECT_EQ(ResolveProfileValue("\"" + Repeat("q", 1023) + "\"", "", SystemAnsiCodec()), Repeat("q", 1023));
}

}  // namespace
