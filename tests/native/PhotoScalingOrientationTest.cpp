#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/e2e/support/PhotoExif.h"
#include "widget/core/PictureHeader.h"
#include "widget/core/PictureOrientation.h"

namespace {

using photo_test::ExifSegment;

const std::string kSoi("\xFF\xD8", 2);
const std::string kJfif("\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 18);
const std::string kScan("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00\x12\x34\x56", 13);

Orientation Read(const std::string& bytes) {
    return ReadPictureHeader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()).orientation;
}

TEST(PhotoScalingOrientation, ReadsTheTagInEitherByteOrder) {
    for (uint16_t value = 1; value <= 8; ++value) {
        EXPECT_EQ(Read(kSoi + ExifSegment(value) + kScan), value);
        EXPECT_EQ(Read(kSoi + kJfif + ExifSegment(value, true) + kScan), value);
        EXPECT_EQ(Read(kSoi + std::string("\xFF\xFF", 2) + ExifSegment(value).substr(1) + kScan), value)
            << "fill byte before the marker";
    }
}

TEST(PhotoScalingOrientation, AnythingElseIsUpright) {
    const std::string kCases[] = {
        "",
        "BM\x36\x00\x00\x00",
        kSoi,
        kSoi + kScan + ExifSegment(6),  // after the scan data nothing counts
        kSoi + ExifSegment(0) + kScan,  // values outside 1..8
        kSoi + ExifSegment(9) + kScan,
        kSoi + ExifSegment(6, false, 4) + kScan,                // not a SHORT
        kSoi + std::string("\xFF\xE1\x00\x08Exif", 8) + kScan,  // cut-off Exif header
        kSoi + std::string("\xFF\xE1\x00\x01", 4),              // length below 2
        kSoi + std::string("\xFF\xE1\xFF\xFF", 4) + "Exif",     // longer than the data
        "\xFF\xD8\x00\x00\x00\x00",                             // no marker where one belongs
        kSoi + kJfif + kScan,                                   // no Exif at all
    };
    for (const std::string& bytes : kCases)
        EXPECT_EQ(Read(bytes), kUpright);
}

// Every cut-off and every damaged byte of a valid header must give a value 1..8 without
// reading outside the data (the sanitizers watch).
TEST(PhotoScalingOrientation, SurvivesTruncatedAndDamagedHeaders) {
    std::string valid = kSoi + kJfif + ExifSegment(6, true) + kScan;
    for (size_t n = 0; n <= valid.size(); ++n) {
        Orientation o = Read(valid.substr(0, n));
        EXPECT_TRUE(o >= 1 && o <= 8) << n;
    }
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i) {
        std::string damaged = valid;
        damaged[random() % damaged.size()] = static_cast<char>(random());
        damaged[random() % damaged.size()] = static_cast<char>(random());
        Orientation o = Read(damaged);
        ASSERT_TRUE(o >= 1 && o <= 8);
    }
}

// A 3 x 2 picture whose pixels are numbered 0..5 in their blue byte, rows top-down.
PixelImage Numbered() {
    PixelImage image = MakePixelImage(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.Pixel(x, y)[0] = static_cast<uint8_t>(y * 3 + x);
    return image;
}

TEST(PhotoScalingOrientation, TurnsAndMirrorsThePictureUpright) {
    // Stored    0 1 2     The upright picture for each orientation, row by row.
    //           3 4 5
    const struct {
        Orientation orientation;
        int width, height;
        std::vector<int> shown;
    } kCases[] = {
        {1, 3, 2, {0, 1, 2, 3, 4, 5}}, {2, 3, 2, {2, 1, 0, 5, 4, 3}},
        {3, 3, 2, {5, 4, 3, 2, 1, 0}}, {4, 3, 2, {3, 4, 5, 0, 1, 2}},
        {5, 2, 3, {0, 3, 1, 4, 2, 5}}, {6, 2, 3, {3, 0, 4, 1, 5, 2}},  // turned a quarter clockwise
        {7, 2, 3, {5, 2, 4, 1, 3, 0}}, {8, 2, 3, {2, 5, 1, 4, 0, 3}},  // turned a quarter anticlockwise
        {0, 3, 2, {0, 1, 2, 3, 4, 5}}, {9, 3, 2, {0, 1, 2, 3, 4, 5}},
    };
    for (const auto& c : kCases) {
        PixelImage shown = Orient(Numbered(), c.orientation);
        ASSERT_EQ(shown.width, c.width) << c.orientation;
        ASSERT_EQ(shown.height, c.height) << c.orientation;
        std::vector<int> values;
        for (int y = 0; y < shown.height; ++y)
            for (int x = 0; x < shown.width; ++x)
                values.push_back(shown.Pixel(x, y)[0]);
        EXPECT_EQ(values, c.shown) << c.orientation;
        EXPECT_EQ(OrientedSize({3, 2}, c.orientation), (PixelSize{c.width, c.height})) << c.orientation;
    }
}

}  // namespace
