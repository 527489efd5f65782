#include <gtest/gtest.h>

#include "widget/core/PhotoScaling.h"

namespace {

TEST(PhotoScaling, ChoosesTheSourceFromTheScalingAndCacheFlags) {
    const struct {
        int16_t isStretched, cached;
        PhotoSource source;
    } kCases[] = {
        {0, 0, PhotoSource::NaturalSize}, {0, 1, PhotoSource::NaturalSize}, {1, 1, PhotoSource::Cache},
        {1, 0, PhotoSource::Scale},       {1, 2, PhotoSource::Scale},       {1, -1, PhotoSource::Scale},
        {-1, 1, PhotoSource::Cache},      {5, 0, PhotoSource::Scale},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ChoosePhotoSource(c.isStretched, c.cached), c.source) << c.isStretched << "," << c.cached;
}

TEST(PhotoScaling, BringsTheChosenSideToTheSizeAndKeepsTheAspect) {
    const struct {
        int w, h;
        int16_t size, mode;
        PixelSize target;
    } kCases[] = {
        {640, 480, 160, 2, {160, 120}},                                      // wide: the width
        {300, 400, 160, 2, {120, 160}},                                      // tall: the height
        {400, 400, 160, 2, {160, 160}},                                      // square counts as wide
        {320, 241, 160, 0, {160, 120}},                                      // 120.5: half to even
        {320, 243, 160, 0, {160, 122}},                                      // 121.5: half to even
        {320, 245, 160, 0, {160, 122}},                                      // 122.5
        {640, 480, 160, 1, {213, 160}},                                      // 213.33
        {300, 400, 160, 0, {160, 213}},   {6000, 4000, 160, 2, {160, 107}},  // 106.67
        {4000, 6000, 160, 2, {107, 160}}, {100, 50, 400, 2, {400, 200}},     // enlarging
        {10, 1000, 320, 0, {320, 32000}}, {1, 1, 80, 2, {80, 80}},
        {32767, 1, 32767, 0, {32767, 1}}, {640, 480, 160, 7, {160, 120}},  // a mode outside 0..2 takes the longer side
        {300, 400, 160, -1, {120, 160}},
    };
    for (const auto& c : kCases) {
        auto target = ScaledPictureSize(c.w, c.h, c.size, ScaleSideOf(c.mode));
        ASSERT_TRUE(target) << c.w << "x" << c.h << " mode " << c.mode;
        EXPECT_EQ(*target, c.target) << c.w << "x" << c.h << " mode " << c.mode;
    }
}

TEST(PhotoScaling, RefusesTargetsOutsideSixteenBitsOrBelowOnePixel) {
    const struct {
        int w, h;
        int16_t size, mode;
    } kCases[] = {
        {10, 1000, 640, 0},                                               // height 64000
        {1000, 10, 640, 1},                                               // width 64000
        {0, 0, 160, 2},                                                   // an empty source
        {0, 100, 160, 1},     {100, 0, 160, 0},    {40000, 100, 160, 2},  // a source side beyond 16 bits
        {100, 40000, 160, 2}, {1000, 1, 160, 0},                          // height 0.16 rounds to 0
        {640, 480, 0, 2},     {640, 480, -160, 2},
    };
    for (const auto& c : kCases)
        EXPECT_FALSE(ScaledPictureSize(c.w, c.h, c.size, ScaleSideOf(c.mode)))
            << c.w << "x" << c.h << " size " << c.size;
}

TEST(PhotoScaling, AcceptsPictureSizesWithinSixteenBitsAndThePixelBudget) {
    EXPECT_TRUE(IsAcceptedPictureSize(1, 1, kMaxShownPixels));
    EXPECT_TRUE(IsAcceptedPictureSize(8192, 8192, kMaxShownPixels));
    EXPECT_FALSE(IsAcceptedPictureSize(8192, 8193, kMaxShownPixels));
    EXPECT_TRUE(IsAcceptedPictureSize(16384, 8192, kMaxScaledSourcePixels));
    EXPECT_FALSE(IsAcceptedPictureSize(16384, 8193, kMaxScaledSourcePixels));
    EXPECT_TRUE(IsAcceptedPictureSize(12000, 9000, kMaxScaledSourcePixels));
    EXPECT_TRUE(IsAcceptedPictureSize(32767, 100, kMaxScaledSourcePixels));
    EXPECT_FALSE(IsAcceptedPictureSize(32768, 100, kMaxScaledSourcePixels));
    EXPECT_FALSE(IsAcceptedPictureSize(65500, 65500, kMaxScaledSourcePixels));
    EXPECT_FALSE(IsAcceptedPictureSize(0, 100, kMaxShownPixels));
}

}  // namespace
