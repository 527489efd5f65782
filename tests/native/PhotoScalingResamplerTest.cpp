#include <gtest/gtest.h>

#include <cstdlib>

#include "widget/core/PictureResampler.h"

namespace {

// A picture in 3-byte rows whose pixel value is given by a function of its position.
template <typename F>
std::vector<uint8_t> MakeRows(int w, int h, F value) {
    std::vector<uint8_t> rows(static_cast<size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                rows[(static_cast<size_t>(y) * w + x) * 3 + c] = value(x, y, c);
    return rows;
}

PixelImage Resample(const std::vector<uint8_t>& rows, int w, int h, int tw, int th, int band = 64) {
    PictureResampler resampler(w, h, tw, th);
    for (int y = 0; y < h; y += band)
        resampler.AddRows(rows.data() + static_cast<size_t>(y) * w * 3, std::min(band, h - y), w * 3u, 3);
    EXPECT_EQ(resampler.RowsAdded(), h);
    return resampler.Finish();
}

TEST(PhotoScalingResampler, WeightsOfEveryTargetPixelAddUpToOne) {
    for (auto [source, target] :
         {std::pair{6000, 160}, {4000, 107}, {641, 160}, {100, 100}, {3, 2}, {2, 5}, {107, 160}, {1, 9}, {9, 1}}) {
        auto taps = PictureResampler::AxisTaps(source, target);
        ASSERT_EQ(taps.size(), static_cast<size_t>(target));
        for (const auto& pixel : taps) {
            float sum = 0;
            for (const auto& tap : pixel) {
                EXPECT_GE(tap.source, 0);
                EXPECT_LT(tap.source, source);
                EXPECT_GT(tap.weight, 0.0f);
                sum += tap.weight;
            }
            EXPECT_NEAR(sum, 1.0f, 1e-4f) << source << "->" << target;
        }
    }
}

TEST(PhotoScalingResampler, SameSizeKeepsEveryPixel) {
    auto rows = MakeRows(7, 5, [](int x, int y, int c) { return static_cast<uint8_t>(x * 31 + y * 7 + c * 50); });
    PixelImage image = Resample(rows, 7, 5, 7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(image.Pixel(x, y)[c], rows[(y * 7 + x) * 3 + c]);
}

// A fine checkerboard must become even grey, not black or white as a nearest-pixel stretch
// would leave it.
TEST(PhotoScalingResampler, ShrinkingAveragesTheCoveredArea) {
    auto rows = MakeRows(400, 400, [](int x, int y, int) { return static_cast<uint8_t>((x + y) % 2 ? 255 : 0); });
    for (auto [tw, th] : {std::pair{100, 100}, {160, 160}, {37, 53}}) {
        PixelImage image = Resample(rows, 400, 400, tw, th);
        ASSERT_EQ(image.width, tw);
        ASSERT_EQ(image.height, th);
        for (int y = 0; y < th; ++y)
            for (int x = 0; x < tw; ++x)
                ASSERT_NEAR(image.Pixel(x, y)[1], 128, 12) << x << "," << y;
    }
}

TEST(PhotoScalingResampler, AUniformPictureStaysExactlyItsColour) {
    auto rows = MakeRows(601, 401, [](int, int, int c) {
        return static_cast<uint8_t>(c == 0 ? 37 : c == 1 ? 150 : 201);
    });
    PixelImage image = Resample(rows, 601, 401, 160, 107);
    for (int y = 0; y < 107; ++y) {
        for (int x = 0; x < 160; ++x) {
            ASSERT_EQ(image.Pixel(x, y)[0], 37);
            ASSERT_EQ(image.Pixel(x, y)[1], 150);
            ASSERT_EQ(image.Pixel(x, y)[2], 201);
            ASSERT_EQ(image.Pixel(x, y)[3], 255);
        }
    }
}

TEST(PhotoScalingResampler, KeepsTopAndLeftWhereTheyAre) {
    // Left half red, right half blue; top rows bright, bottom rows dark.
    auto rows = MakeRows(300, 200, [](int x, int y, int c) {
        bool left = x < 150, top = y < 100;
        return static_cast<uint8_t>((c == 2) == left ? (top ? 250 : 100) : 0);
    });
    PixelImage image = Resample(rows, 300, 200, 30, 20);
    EXPECT_EQ(image.Pixel(0, 0)[2], 250);
    EXPECT_EQ(image.Pixel(0, 0)[0], 0);
    EXPECT_EQ(image.Pixel(29, 0)[0], 250);
    EXPECT_EQ(image.Pixel(0, 19)[2], 100);
    EXPECT_EQ(image.Pixel(29, 19)[0], 100);
}

TEST(PhotoScalingResampler, AveragesAlongBothAxes) {
    // Rows 0..3 at 0, 100, 200, 255 and columns alike: two target rows take the means.
    auto rows = MakeRows(4, 4, [](int, int y, int) {
        return static_cast<uint8_t>(y == 0 ? 0 : y == 1 ? 100 : y == 2 ? 200 : 255);
    });
    PixelImage image = Resample(rows, 4, 4, 2, 2);
    EXPECT_EQ(image.Pixel(0, 0)[0], 50);
    EXPECT_EQ(image.Pixel(1, 1)[0], 228);  // 227.5 rounds up
}

TEST(PhotoScalingResampler, EnlargingInterpolatesBetweenNeighbours) {
    auto rows = MakeRows(2, 1, [](int x, int, int) { return static_cast<uint8_t>(x ? 255 : 0); });
    PixelImage image = Resample(rows, 2, 1, 4, 3);
    const int kExpected[] = {0, 64, 191, 255};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(image.Pixel(x, y)[0], kExpected[x]) << x << "," << y;
}

TEST(PhotoScalingResampler, BandSizeAndPixelWidthDoNotChangeTheResult) {
    auto rows =
        MakeRows(97, 83, [](int x, int y, int c) { return static_cast<uint8_t>((x * 13 + y * 29 + c * 71) % 256); });
    PixelImage reference = Resample(rows, 97, 83, 31, 17, 83);
    for (int band : {1, 5, 64})
        EXPECT_EQ(Resample(rows, 97, 83, 31, 17, band).pixels, reference.pixels) << band;

    std::vector<uint8_t> wide(97 * 83 * 4, 0xEE);
    for (size_t i = 0; i < 97 * 83; ++i)
        for (int c = 0; c < 3; ++c)
            wide[i * 4 + c] = rows[i * 3 + c];
    PictureResampler resampler(97, 83, 31, 17);
    resampler.AddRows(wide.data(), 83, 97 * 4, 4);
    EXPECT_EQ(resampler.Finish().pixels, reference.pixels);
}

TEST(PhotoScalingResampler, ExtraRowsAreIgnored) {
    auto rows = MakeRows(10, 20, [](int, int, int) { return uint8_t{9}; });
    PictureResampler resampler(10, 10, 5, 5);
    resampler.AddRows(rows.data(), 20, 30, 3);
    EXPECT_EQ(resampler.RowsAdded(), 10);
    EXPECT_EQ(resampler.Finish().Pixel(4, 4)[0], 9);
}

}  // namespace
