#include <gtest/gtest.h>

#include "widget/core/PictureTypes.h"

namespace {

// A stand-in for the imaging component's decoders: the still kinds join the four, each once.
TEST(PictureTypes, TheListComesFromTheInstalledDecoders) {
    const struct {
        std::vector<std::string> decoders;
        std::vector<std::string> list;
    } kCases[] = {
        {{}, {".bmp", ".jpg", ".jpeg", ".png"}},
        {{".bmp,.dib,.rle", ".jpeg,.jpe,.jpg,.jfif,.exif", ".png", ".gif", ".ico,.icon", ".tif;.tiff", ".dds"},
         {".bmp", ".jpg", ".jpeg", ".png", ".dib", ".rle", ".jpe", ".jfif", ".exif", ".tif", ".tiff"}},
        {{".HEIC,.heif,.avci", ".webp", ".avif", ".cur,.ani"},
         {".bmp", ".jpg", ".jpeg", ".png", ".heic", ".heif", ".avci", ".webp", ".avif"}},
        {{"", ",,", "heic", ".a*b;c", ". tif"}, {".bmp", ".jpg", ".jpeg", ".png", ".tif"}},  // no extension
    };
    for (const auto& c : kCases)
        EXPECT_EQ(PictureExtensionsFrom(c.decoders), c.list) << testing::PrintToString(c.decoders);
}

}  // namespace
