#include <gtest/gtest.h>

#include "widget/core/DecodeScale.h"

namespace {

TEST(PhotoScalingDecodeSize, TheSmallestScaleThatStillReachesTheTarget) {
    const struct {
        PixelSize stored, target;
        std::optional<PixelSize> expected;
    } kCases[] = {
        {{6000, 4000}, {160, 107}, PixelSize{750, 500}},     // an eighth
        {{4000, 6000}, {107, 160}, PixelSize{500, 750}},     // stored tall, shown turned
        {{6000, 4000}, {1000, 667}, PixelSize{1500, 1000}},  // a quarter
        {{6000, 4000}, {751, 500}, PixelSize{1500, 1000}},   // an eighth is a pixel short
        {{6000, 4000}, {2000, 1333}, PixelSize{3000, 2000}},
        {{6001, 4001}, {751, 501}, PixelSize{751, 501}},  // sides rounded up
        {{6000, 4000}, {3001, 2000}, std::nullopt},       // only the whole picture reaches it
        {{640, 480}, {640, 480}, std::nullopt},
        {{100, 100}, {0, 10}, std::nullopt},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(ChooseDecodeSize(c.stored, c.target), c.expected) << c.target.width << "x" << c.target.height;
    }
}

TEST(PhotoScalingDecodeSize, AnOfferedSizeBelowTheTargetOrNotSmallerIsRefused) {
    const struct {
        PixelSize offered;
        bool usable;
    } kCases[] = {
        {{750, 500}, true}, {{749, 500}, false}, {{750, 499}, false}, {{6000, 4000}, false}, {{6001, 10}, false}};
    for (const auto& c : kCases)
        EXPECT_EQ(IsUsableDecodeSize(c.offered, {6000, 4000}, {750, 500}), c.usable) << c.offered.width;
}

}  // namespace
