#include <gtest/gtest.h>

#include "widget/core/BmpFile.h"
#include "widget/core/PhotoDpi.h"

namespace {

uint32_t U32(const std::string& s, size_t at) {
    return static_cast<uint8_t>(s[at]) | static_cast<uint8_t>(s[at + 1]) << 8 | static_cast<uint8_t>(s[at + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(s[at + 3])) << 24;
}

std::optional<int> DpiOf(const std::string& bytes) {
    return CacheBmpDpi(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

TEST(PhotoDpi, ScaledPhotoKeepsItsSizeOnTheScreenAtEveryDpi) {
    const struct {
        PixelSize source;
        int16_t size, mode;
        int dpi;
        std::optional<PixelSize> target;
    } kCases[] = {
        {{640, 480}, 160, 2, 144, PixelSize{240, 180}},
        {{640, 480}, 160, 2, 96, PixelSize{160, 120}},
        {{640, 480}, 160, 2, 120, PixelSize{200, 150}},
        {{640, 480}, 160, 2, 192, PixelSize{320, 240}},
        {{300, 400}, 160, 2, 144, PixelSize{180, 240}},  // portrait: the height is the longer side
        {{500, 500}, 160, 2, 144, PixelSize{240, 240}},
        {{640, 480}, 160, 0, 168, PixelSize{280, 210}},
        {{640, 480}, 160, 1, 144, PixelSize{320, 240}},
        // The scaled side rounds half to even (201.25, 202.5, 207.5), the other follows it.
        {{1000, 500}, 161, 0, 120, PixelSize{201, 100}},
        {{1000, 500}, 162, 0, 120, PixelSize{202, 101}},
        {{1000, 500}, 166, 0, 120, PixelSize{208, 104}},
        // No reported DPI counts as 96.
        {{640, 480}, 160, 2, 0, PixelSize{160, 120}},
        {{640, 480}, 160, 2, -1, PixelSize{160, 120}},
        // A side beyond 16 bits is a load failure, also when only the DPI makes it so.
        {{100, 100}, 16383, 2, 192, PixelSize{32766, 32766}},
        {{100, 100}, 20000, 2, 192, std::nullopt},
        {{10, 1000}, 320, 0, 192, std::nullopt},
        {{0, 480}, 160, 2, 144, std::nullopt},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(PhotoTargetSize(c.source, 1, c.size, ScaleSideOf(c.mode), c.dpi), c.target)
            << c.source.width << "x" << c.source.height << " size " << c.size << " mode " << c.mode << " dpi " << c.dpi;
}

TEST(PhotoDpi, At96DpiEveryTargetIsTheOneOfTheScaler) {
    const PixelSize kSources[] = {{640, 480},   {480, 640}, {320, 241}, {1, 1}, {10, 1000}, {1000, 10}, {333, 777},
                                  {4000, 3000}, {32767, 1}, {1, 32767}, {0, 5}, {5, 0},     {-3, 4},    {40000, 3}};
    const int16_t kSizes[] = {80, 160, 161, 241, 1000, 32767, 1, 0, -5};
    const int16_t kModes[] = {0, 1, 2, 3, -1};
    for (PixelSize source : kSources)
        for (int16_t size : kSizes)
            for (int16_t mode : kModes)
                for (int16_t stretched : {1, -1, 7})
                    EXPECT_EQ(PhotoTargetSize(source, stretched, size, ScaleSideOf(mode), 96),
                              ScaledPictureSize(source.width, source.height, size, ScaleSideOf(mode)))
                        << source.width << "x" << source.height << " size " << size << " mode " << mode;
}

TEST(PhotoDpi, NaturalSizeKeepsItsPixelsAtEveryDpi) {
    for (int dpi : {96, 120, 144, 192, 0}) {
        EXPECT_EQ(PhotoTargetSize({640, 480}, 0, 160, ScaleSide::Longer, dpi), (PixelSize{640, 480})) << dpi;
        EXPECT_EQ(PhotoTargetSize({32767, 1}, 0, 160, ScaleSide::Width, dpi), (PixelSize{32767, 1})) << dpi;
        EXPECT_EQ(PhotoTargetSize({0, 480}, 0, 160, ScaleSide::Longer, dpi), std::nullopt) << dpi;
        EXPECT_EQ(PhotoTargetSize({32768, 480}, 0, 160, ScaleSide::Longer, dpi), std::nullopt) << dpi;
    }
}

TEST(PhotoDpi, CacheIsTakenOnlyAtTheDpiItWasMadeFor) {
    const struct {
        int16_t isStretched, isStretchBmpCashed;
        std::optional<int> cacheDpi;
        int dpi;
        PhotoSource source;
    } kCases[] = {
        {0, 1, 96, 144, PhotoSource::NaturalSize},
        {1, 1, 96, 96, PhotoSource::Cache},
        {1, 1, 144, 144, PhotoSource::Cache},
        {1, 1, 96, 144, PhotoSource::Scale},
        {1, 1, 144, 96, PhotoSource::Scale},
        {1, 1, 96, 0, PhotoSource::Cache},  // no reported DPI: 96
        {1, 0, 144, 144, PhotoSource::Scale},
        {1, 2, 96, 96, PhotoSource::Scale},
        // A cache file whose header cannot be read still fails to load, as a missing cache does.
        {1, 1, std::nullopt, 144, PhotoSource::Cache},
        {1, 0, std::nullopt, 144, PhotoSource::Scale},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ChoosePhotoSourceAt(c.isStretched, c.isStretchBmpCashed, c.cacheDpi, c.dpi), c.source)
            << c.isStretched << "/" << c.isStretchBmpCashed << " at " << c.dpi;
}

TEST(PhotoDpi, CacheAt96DpiIsWrittenAsBefore) {
    PixelImage image = MakePixelImage(5, 3);
    std::string bmp = EncodeBmp24(image);
    EXPECT_EQ(EncodeBmp24(image, 96), bmp);
    EXPECT_EQ(EncodeBmp24(image, 0), bmp);
    EXPECT_EQ(U32(bmp, 38), 3780u);
    EXPECT_EQ(U32(bmp, 42), 3780u);
    // Only the resolution differs at another DPI.
    std::string at144 = EncodeBmp24(image, 144);
    EXPECT_EQ(U32(at144, 38), 5669u);
    EXPECT_EQ(U32(at144, 42), 5669u);
    EXPECT_EQ(at144.substr(0, 38), bmp.substr(0, 38));
    EXPECT_EQ(at144.substr(46), bmp.substr(46));
}

TEST(PhotoDpi, CacheRecordsItsDpi) {
    PixelImage image = MakePixelImage(2, 2);
    for (int dpi : {96, 120, 144, 168, 192, 240, 288, 384, 480})
        EXPECT_EQ(DpiOf(EncodeBmp24(image, dpi)), dpi);
    for (int dpi = 1; dpi <= 5000; ++dpi)
        ASSERT_EQ(DpiFromPixelsPerMetre(PixelsPerMetre(dpi)), dpi);
}

TEST(PhotoDpi, CacheWithoutRecordedDpiWasMadeAt96) {
    std::string bmp = EncodeBmp24(MakePixelImage(2, 2));
    std::string none = bmp;
    none.replace(38, 8, std::string(8, '\0'));
    EXPECT_EQ(DpiOf(none), 96);
    // A header of the oldest form (12 bytes) has no resolution fields.
    std::string core = bmp.substr(0, 14) + std::string("\x0C\0\0\0\x02\0\x02\0\x01\0\x18\0", 12);
    EXPECT_EQ(DpiOf(core), 96);
}

TEST(PhotoDpi, NoDpiFromBytesThatAreNoBitmapHeader) {
    std::string bmp = EncodeBmp24(MakePixelImage(2, 2), 144);
    EXPECT_EQ(DpiOf(bmp.substr(0, 42)), 144);
    EXPECT_EQ(DpiOf(bmp.substr(0, 41)), std::nullopt);
    EXPECT_EQ(DpiOf(bmp.substr(0, 17)), std::nullopt);
    EXPECT_EQ(DpiOf(""), std::nullopt);
    EXPECT_EQ(DpiOf("\xFF\xD8\xFF\xE0" + bmp.substr(4)), std::nullopt);
}

}  // namespace
