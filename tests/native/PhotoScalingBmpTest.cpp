#include <gtest/gtest.h>

#include "widget/core/BmpFile.h"

namespace {

uint32_t U32(const std::string& s, size_t at) {
    return static_cast<uint8_t>(s[at]) | static_cast<uint8_t>(s[at + 1]) << 8 | static_cast<uint8_t>(s[at + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(s[at + 3])) << 24;
}

TEST(PhotoScalingBmp, Writes24BitRowsBottomUpPaddedToFourBytes) {
    PixelImage image = MakePixelImage(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            uint8_t* p = image.Pixel(x, y);
            p[0] = static_cast<uint8_t>(10 * y + x), p[1] = 100, p[2] = 200, p[3] = 255;
        }
    std::string bmp = EncodeBmp24(image);
    const size_t kRow = 12;  // 9 bytes padded to 12
    ASSERT_EQ(bmp.size(), 54 + 2 * kRow);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(U32(bmp, 2), bmp.size());
    EXPECT_EQ(U32(bmp, 10), 54u);
    EXPECT_EQ(U32(bmp, 14), 40u);
    EXPECT_EQ(U32(bmp, 18), 3u);
    EXPECT_EQ(U32(bmp, 22), 2u);
    EXPECT_EQ(U32(bmp, 28) & 0xFFFF, 24u);
    EXPECT_EQ(U32(bmp, 30), 0u);
    EXPECT_EQ(U32(bmp, 34), 2 * kRow);
    // The first stored row is the bottom one.
    EXPECT_EQ(static_cast<uint8_t>(bmp[54]), 10);
    EXPECT_EQ(static_cast<uint8_t>(bmp[54 + 3]), 11);
    EXPECT_EQ(static_cast<uint8_t>(bmp[54 + 1]), 100);
    EXPECT_EQ(static_cast<uint8_t>(bmp[54 + 2]), 200);
    EXPECT_EQ(bmp.substr(54 + 9, 3), std::string(3, '\0'));
    EXPECT_EQ(static_cast<uint8_t>(bmp[54 + kRow]), 0);
    EXPECT_EQ(static_cast<uint8_t>(bmp[54 + kRow + 6]), 2);
}

TEST(PhotoScalingBmp, RowSizeForEveryWidth) {
    for (int w = 1; w <= 9; ++w) {
        std::string bmp = EncodeBmp24(MakePixelImage(w, 3));
        EXPECT_EQ(bmp.size(), 54u + 3u * ((w * 3u + 3u) & ~3u)) << w;
    }
}

// The cache is read back by the project's own reader: every width's padding, both row orders,
// and files that are not the cache's own form or are cut short are refused, not misread.
TEST(PhotoScalingBmp, OwnReaderTakesBackWhatTheCacheWrites) {
    for (int w = 1; w <= 6; ++w) {
        PixelImage image = MakePixelImage(w, 3);
        for (size_t i = 0; i < image.pixels.size(); ++i)
            image.pixels[i] = i % 4 == 3 ? 255 : static_cast<uint8_t>(i * 7);
        std::string bmp = EncodeBmp24(image, 144);
        std::optional<PixelImage> back = DecodeBmp24(bmp, 1000);
        ASSERT_TRUE(back) << w;
        EXPECT_EQ(back->width, w);
        EXPECT_EQ(back->pixels, image.pixels) << w;
        std::string topDown = bmp;
        topDown[22] = static_cast<char>(-3), topDown[23] = topDown[24] = topDown[25] = static_cast<char>(0xFF);
        back = DecodeBmp24(topDown, 1000);
        ASSERT_TRUE(back);
        EXPECT_EQ(std::vector<uint8_t>(back->Pixel(0, 0), back->Pixel(0, 0) + 3),
                  std::vector<uint8_t>(image.Pixel(0, 2), image.Pixel(0, 2) + 3));
    }
    const std::string good = EncodeBmp24(MakePixelImage(4, 4));
    std::string thirtyTwoBits = good;
    thirtyTwoBits[28] = 32;
    std::string compressed = good;
    compressed[30] = 1;
    const struct {
        const char* what;
        std::string bytes;
        int64_t maxPixels;
    } kRefused[] = {
        {"cut short", good.substr(0, good.size() - 1), 1000},
        {"header only", good.substr(0, 54), 1000},
        {"32 bits", thirtyTwoBits, 1000},
        {"compressed", compressed, 1000},
        {"above the cap", good, 15},
        {"not a bitmap", "GIF89a" + good.substr(6), 1000},
        {"empty", "", 1000},
    };
    for (const auto& c : kRefused)
        EXPECT_FALSE(DecodeBmp24(c.bytes, c.maxPixels)) << c.what;
}

}  // namespace
