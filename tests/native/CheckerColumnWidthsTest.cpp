#include <gtest/gtest.h>

#include "checker/core/CheckerColumns.h"

namespace Pruvo {
namespace {

struct MainCase {
    int width;
    int first;
    int second;
};

class MainColumnWidthsTest : public ::testing::TestWithParam<MainCase> {};

TEST_P(MainColumnWidthsTest, NameTakesSixtyFivePercentRoundedDown) {
    const auto widths = MainColumnWidths(GetParam().width);
    EXPECT_EQ(widths[0], GetParam().first);
    EXPECT_EQ(widths[1], GetParam().second);
    EXPECT_EQ(widths[0] + widths[1], std::max(GetParam().width, 0));
}

INSTANTIATE_TEST_SUITE_P(Widths,
                         MainColumnWidthsTest,
                         ::testing::Values(MainCase{0, 0, 0},
                                           MainCase{1, 0, 1},
                                           MainCase{2, 1, 1},
                                           MainCase{100, 65, 35},
                                           MainCase{363, 235, 128},
                                           MainCase{364, 236, 128},
                                           MainCase{488, 317, 171},
                                           MainCase{-5, 0, 0}));

struct DetailsCase {
    int width;
    int first;
    int second;
    int third;
};

class DetailsColumnWidthsTest : public ::testing::TestWithParam<DetailsCase> {};

TEST_P(DetailsColumnWidthsTest, QuarterHalfAndTheRest) {
    const auto widths = DetailsColumnWidths(GetParam().width);
    EXPECT_EQ(widths[0], GetParam().first);
    EXPECT_EQ(widths[1], GetParam().second);
    EXPECT_EQ(widths[2], GetParam().third);
}

INSTANTIATE_TEST_SUITE_P(Widths,
                         DetailsColumnWidthsTest,
                         ::testing::Values(DetailsCase{0, 0, 0, 0},
                                           DetailsCase{3, 0, 1, 2},
                                           DetailsCase{4, 1, 2, 1},
                                           DetailsCase{7, 1, 3, 3},
                                           DetailsCase{433, 108, 216, 109},
                                           DetailsCase{580, 145, 290, 145},
                                           DetailsCase{-1, 0, 0, 0}));

}  // namespace
}  // namespace Pruvo
