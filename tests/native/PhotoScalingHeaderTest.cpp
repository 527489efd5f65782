#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/e2e/support/PhotoExif.h"
#include "widget/core/PictureHeader.h"

namespace {

using namespace std::string_literals;

const std::string kSoi = "\xFF\xD8"s;
const std::string kJfif = "\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00"s;
const std::string kScan = "\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00\x12\x34\x56"s;

std::string Be16(unsigned v) {
    return {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
}
std::string Le16(unsigned v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}
std::string Le32(uint32_t v) {
    return Le16(v & 0xFFFF) + Le16(v >> 16);
}

// A frame header (baseline SOF0 unless told) declaring w x h.
std::string Sof(unsigned w, unsigned h, uint8_t marker = 0xC0) {
    return "\xFF"s + static_cast<char>(marker) + Be16(17) + "\x08"s + Be16(h) + Be16(w) +
           "\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01"s;
}
std::string Dht() {
    return "\xFF\xC4"s + Be16(6) + "\x00\x01\x02\x03"s;
}

PictureHeader Read(const std::string& bytes) {
    return ReadPictureHeader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

TEST(PhotoScalingHeader, JpegDeclaresItsSizeInTheFrameHeader) {
    const struct {
        std::string bytes;
        PixelSize size;
        int orientation;
    } kCases[] = {
        {kSoi + kJfif + Sof(640, 480) + kScan, {640, 480}, 1},
        {kSoi + photo_test::ExifSegment(6) + kJfif + Dht() + Sof(4000, 6000, 0xC2) + kScan, {4000, 6000}, 6},
        {kSoi + Sof(65535, 1, 0xC1) + kScan, {65535, 1}, 1},
        {kSoi + Sof(30000, 30000, 0xCF) + kScan, {30000, 30000}, 1},
        // The first Exif segment counts.
        {kSoi + photo_test::ExifSegment(8) + photo_test::ExifSegment(3) + Sof(10, 20) + kScan, {10, 20}, 8},
    };
    for (const auto& c : kCases) {
        PictureHeader header = Read(c.bytes);
        EXPECT_EQ(header.format, PictureFormat::Jpeg);
        EXPECT_TRUE(header.complete);
        ASSERT_TRUE(header.declared);
        EXPECT_EQ(*header.declared, c.size);
        EXPECT_EQ(header.orientation, c.orientation);
    }
}

TEST(PhotoScalingHeader, JpegWithoutAValidFrameHeaderHasNoSize) {
    for (const std::string& bytes : {kSoi + kJfif + kScan + Sof(10, 10), kSoi + Sof(0, 480), kSoi + Sof(640, 0),
                                     kSoi + "\x00\x00\x00\x00"s + Sof(5, 5), kSoi + "\xFF\xE0\x00\x01"s + Sof(5, 5)}) {
        PictureHeader header = Read(bytes);
        EXPECT_EQ(header.format, PictureFormat::Jpeg);
        EXPECT_TRUE(header.complete);
        EXPECT_FALSE(header.declared);
    }
}

// Large Exif or colour-profile segments can push the frame header beyond the bytes read.
TEST(PhotoScalingHeader, CutOffJpegAsksForMore) {
    std::string big = "\xFF\xE2"s + Be16(60000) + std::string(59998, 'x');
    std::string full = kSoi + kJfif + big + big + Sof(320, 240) + kScan;
    for (size_t n : {size_t{2}, size_t{5}, kSoi.size() + kJfif.size() + 100, full.size() - kScan.size() - 1}) {
        PictureHeader header = Read(full.substr(0, n));
        EXPECT_FALSE(header.complete) << n;
        EXPECT_FALSE(header.declared) << n;
    }
    PictureHeader header = Read(full);
    ASSERT_TRUE(header.declared);
    EXPECT_EQ(*header.declared, (PixelSize{320, 240}));
}

TEST(PhotoScalingHeader, BmpPngAndGifDeclareTheirSizes) {
    std::string bmpInfo = "BM"s + Le32(0) + Le32(0) + Le32(54) + Le32(40);
    const std::string kBits = Le16(1) + Le16(24) + Le32(0);  // planes, bits per pixel, no compression
    std::string png = "\x89PNG\r\n\x1A\n\x00\x00\x00\x0DIHDR"s;
    const struct {
        std::string bytes;
        PictureFormat format;
        std::optional<PixelSize> size;
    } kCases[] = {
        {bmpInfo + Le32(37) + Le32(23) + kBits, PictureFormat::Bmp, PixelSize{37, 23}},
        {bmpInfo + Le32(37) + Le32(static_cast<uint32_t>(-23)) + kBits, PictureFormat::Bmp, PixelSize{37, 23}},
        {bmpInfo + Le32(static_cast<uint32_t>(-37)) + Le32(23) + kBits, PictureFormat::Bmp, std::nullopt},
        {bmpInfo + Le32(0) + Le32(23) + kBits, PictureFormat::Bmp, std::nullopt},
        {"BM"s + Le32(0) + Le32(0) + Le32(26) + Le32(12) + Le16(300) + Le16(200) + Le16(1) + Le16(24),
         PictureFormat::Bmp, PixelSize{300, 200}},
        {"BM"s + Le32(0) + Le32(0) + Le32(26) + Le32(20) + Le32(1) + Le32(1), PictureFormat::Bmp, std::nullopt},
        {png + "\x00\x00\x02\x80\x00\x00\x01\xE0"s, PictureFormat::Png, PixelSize{640, 480}},
        {"\x89PNG\r\n\x1A\n\x00\x00\x00\x0DXXXX\x00\x00\x02\x80\x00\x00\x01\xE0"s, PictureFormat::Png, std::nullopt},
        {"GIF89a"s + Le16(64) + Le16(48), PictureFormat::Gif, PixelSize{64, 48}},
        {"GIF87a"s + Le16(0) + Le16(48), PictureFormat::Gif, std::nullopt},
        {"This is text"s, PictureFormat::Unknown, std::nullopt},
        {""s, PictureFormat::Unknown, std::nullopt},
    };
    for (const auto& c : kCases) {
        PictureHeader header = Read(c.bytes);
        EXPECT_EQ(header.format, c.format) << c.bytes;
        EXPECT_EQ(header.declared, c.size) << c.bytes;
        EXPECT_EQ(header.orientation, 1);
    }
    EXPECT_FALSE(Read("BM"s + Le32(0)).complete);
    EXPECT_FALSE(Read(bmpInfo + Le32(37)).complete);
    EXPECT_FALSE(Read("GIF89a"s).complete);
    EXPECT_FALSE(Read(png).complete);
}

// A bitmap's rows are padded to 4 bytes; a file shorter than its rows is cut off.
TEST(PhotoScalingHeader, UncompressedBitmapNamesTheFileSizeItNeeds) {
    auto info = [](int32_t w, int32_t h, uint16_t bits, uint32_t compression) {
        return "BM"s + Le32(0) + Le32(0) + Le32(54) + Le32(40) + Le32(static_cast<uint32_t>(w)) +
               Le32(static_cast<uint32_t>(h)) + Le16(1) + Le16(bits) + Le32(compression);
    };
    const struct {
        std::string bytes;
        std::optional<uint64_t> required;
    } kCases[] = {
        {info(3, 2, 24, 0), 54 + 2 * 12},
        {info(4, 2, 24, 0), 54 + 2 * 12},
        {info(3, -2, 32, 3), 54 + 2 * 12},
        {info(9, 5, 1, 0), 54 + 5 * 4},
        {info(33, 1, 1, 0), 54 + 8},
        {info(3, 2, 8, 0), 54 + 2 * 4},
        {info(3, 2, 8, 1), std::nullopt},  // run-length coded: the decoder decides
        {info(3, 2, 0, 0), std::nullopt},
        {info(3, 2, 64, 0), std::nullopt},
        {"BM"s + Le32(0) + Le32(0) + Le32(26) + Le32(12) + Le16(5) + Le16(3) + Le16(1) + Le16(24), 26 + 3 * 16},
        {info(30000, 30000, 24, 0), 54 + 30000ull * 90000},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Read(c.bytes).requiredFileSize, c.required) << c.bytes.size();
}

TEST(PhotoScalingHeader, SurvivesTruncatedAndDamagedData) {
    std::string valid = kSoi + kJfif + photo_test::ExifSegment(5, true) + Dht() + Sof(640, 480) + kScan;
    for (size_t n = 0; n <= valid.size(); ++n) {
        PictureHeader header = Read(valid.substr(0, n));
        EXPECT_TRUE(header.orientation >= 1 && header.orientation <= 8);
    }
    std::mt19937 random(11);
    for (int i = 0; i < 20000; ++i) {
        std::string damaged = valid;
        for (int k = 0; k < 3; ++k)
            damaged[random() % damaged.size()] = static_cast<char>(random());
        PictureHeader header = Read(damaged);
        ASSERT_TRUE(header.orientation >= 1 && header.orientation <= 8);
        if (header.declared) {
            ASSERT_TRUE(header.declared->width > 0 && header.declared->height > 0);
        }
    }
}

}  // namespace
