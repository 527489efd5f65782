#include <gtest/gtest.h>

#include "widget/core/PhotoGeometry.h"

namespace {

constexpr FrameMetrics kFrame{3, 22};  // B and T of a typical thin frame with caption

TEST(PhotoGeometry, MeasuresTheFrameFromOuterAndInnerSize) {
    EXPECT_EQ(MeasureFrame(166, 145, 160, 120), (FrameMetrics{3, 22}));
    EXPECT_EQ(MeasureFrame(100, 100, 100, 100), (FrameMetrics{0, 0}));
    EXPECT_EQ(MeasureFrame(100, 100, 94, 75), (FrameMetrics{3, 22}));
}

TEST(PhotoGeometry, BorderedWindowSurroundsTheBorderlessOne) {
    const struct {
        PixelRect borderless;
        PixelRect bordered;
    } kCases[] = {
        {{200, 300, 160, 120}, {197, 278, 166, 145}},
        // At the screen corner the frame stays on the screen; the photo shifts by B and T.
        {{0, 0, 160, 120}, {0, 0, 166, 145}},
        {{1, 10, 160, 120}, {0, 0, 166, 145}},
        {{100, 5, 160, 120}, {97, 0, 166, 145}},
        {{2, 100, 160, 120}, {0, 78, 166, 145}},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(BorderedAround(c.borderless, kFrame, 0, 0), c.bordered);
}

TEST(PhotoGeometry, ClampIsAtTheGivenEdgesNotAtZero) {
    // A monitor to the left of the primary one: its edge is at -1280.
    EXPECT_EQ(BorderedAround({-1000, 10, 160, 120}, kFrame, -1280, -200), (PixelRect{-1003, -12, 166, 145}));
    EXPECT_EQ(BorderedAround({-1280, -200, 160, 120}, kFrame, -1280, -200), (PixelRect{-1280, -200, 166, 145}));
}

TEST(PhotoGeometry, BorderlessWindowCoversTheInnerArea) {
    // Bordered current at left 1000, top 2000 twips = 66.67, 133.33 px at 15 twips per pixel.
    EXPECT_EQ(BorderlessInside({67, 133, 166, 145}, kFrame), (PixelRect{70, 155, 160, 120}));
    EXPECT_EQ(BorderlessInside({0, 0, 166, 145}, kFrame), (PixelRect{3, 22, 160, 120}));
}

TEST(PhotoGeometry, ToggleTwiceKeepsThePhotoWhereItWasAwayFromTheEdges) {
    PixelRect borderless{400, 300, 213, 160};
    PixelRect bordered = BorderedAround(borderless, kFrame, 0, 0);
    EXPECT_EQ(BorderlessInside(bordered, kFrame), borderless);
    // At the corner the first toggle moves the photo by B and T, and it stays there afterwards.
    PixelRect corner = BorderlessInside(BorderedAround({0, 0, 213, 160}, kFrame, 0, 0), kFrame);
    EXPECT_EQ(corner, (PixelRect{3, 22, 213, 160}));
    EXPECT_EQ(BorderlessInside(BorderedAround(corner, kFrame, 0, 0), kFrame), corner);
}

TEST(PhotoGeometry, MovesAWindowIntoAnArea) {
    const PixelRect area{0, 0, 1280, 994};
    const struct {
        PixelRect window;
        PixelRect moved;
    } kCases[] = {
        {{100, 100, 160, 120}, {100, 100, 160, 120}},   {{20000, 100, 160, 120}, {1120, 100, 160, 120}},
        {{-5000, -3000, 160, 120}, {0, 0, 160, 120}},   {{1200, 990, 160, 120}, {1120, 874, 160, 120}},
        {{3000, 3000, 2000, 1500}, {0, 0, 2000, 1500}},  // larger than the area: top-left on it
    };
    for (const auto& c : kCases)
        EXPECT_EQ(MoveIntoArea(c.window, area), c.moved);
    EXPECT_EQ(MoveIntoArea({0, 0, 10, 10}, {1280, -100, 1024, 768}), (PixelRect{1280, 0, 10, 10}));
}

TEST(PhotoGeometry, ConvertsTwipsAndPixelsWithTheSystemDpi) {
    EXPECT_DOUBLE_EQ(TwipsPerPixel(96), 15.0);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(120), 12.0);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(144), 10.0);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(192), 7.5);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(0), 15.0);
    const struct {
        int32_t twips;
        double tpp;
        int pixels;
    } kCases[] = {
        {1500, 15, 100},     {1000, 15, 67},        {-1000, 15, -67}, {0, 15, 0},   {1440, 10, 144}, {1515, 15, 101},
        {1522, 15, 101},     {1523, 15, 102},       {15, 7.5, 2},     {11, 7.5, 1}, {3, 2, 2},       {5, 2, 2},
        {300000, 15, 20000}, {-300000, 15, -20000},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(TwipsToPixels(c.twips, c.tpp), c.pixels) << c.twips << "/" << c.tpp;
    EXPECT_EQ(PixelsToTwips(67, 15), 1005);
    EXPECT_EQ(PixelsToTwips(-67, 15), -1005);
    EXPECT_EQ(PixelsToTwips(3, 7.5), 22);  // 22.5: half to even
    EXPECT_EQ(PixelsToTwips(5, 7.5), 38);  // 37.5
}

}  // namespace
