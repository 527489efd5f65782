#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "base/core/Unicode.h"
#include "tests/e2e/support/PhotoPictures.h"
#include "tests/e2e/support/PhotoTempFolder.h"
#include "widget/win/PhotoLoader.h"

namespace {

using namespace photo_test;

bool Near(const uint8_t* pixel, Colour c, int tolerance = 40) {
    return std::abs(pixel[0] - c.blue) <= tolerance && std::abs(pixel[1] - c.green) <= tolerance &&
           std::abs(pixel[2] - c.red) <= tolerance;
}

// The colours seen at the four corners, a few pixels in from the edges.
void ExpectCorners(const PixelImage& image,
                   Colour topLeft,
                   Colour topRight,
                   Colour bottomLeft,
                   Colour bottomRight,
                   const std::string& what) {
    int r = image.width - 3, b = image.height - 3;
    EXPECT_TRUE(Near(image.Pixel(2, 2), topLeft)) << what << " top-left";
    EXPECT_TRUE(Near(image.Pixel(r, 2), topRight)) << what << " top-right";
    EXPECT_TRUE(Near(image.Pixel(2, b), bottomLeft)) << what << " bottom-left";
    EXPECT_TRUE(Near(image.Pixel(r, b), bottomRight)) << what << " bottom-right";
}

class PhotoLoader : public testing::Test {
protected:
    std::string Write(const std::wstring& name, const std::string& bytes) {
        WriteFileBytes(m_folder.File(name), bytes);
        return Narrow(m_folder.File(name));
    }
    PhotoLoadRequest Request(const std::string& picture,
                             int16_t stretched,
                             int16_t cached,
                             int16_t size = 160,
                             int16_t mode = 2) {
        return {picture, stretched, cached, size, ScaleSideOf(mode), Narrow(m_folder.File(L"pmCache3.bmp"))};
    }
    bool CacheExists() const {
        return GetFileAttributesW(m_folder.File(L"pmCache3.bmp").c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    PhotoTempFolder m_folder;
};

TEST_F(PhotoLoader, NaturalSizeShowsThePictureAsItIs) {
    for (auto [name, bytes] : {std::pair{L"q.bmp", QuadrantBmp(37, 23)}, {L"q.jpg", QuadrantJpeg(64, 48)}}) {
        PhotoLoadResult result = LoadPhotoPicture(Request(Write(name, bytes), 0, 1));
        ASSERT_TRUE(result.picture) << Narrow(name);
        EXPECT_EQ(result.picture->width, name[2] == L'b' ? 37 : 64);
        EXPECT_EQ(result.picture->height, name[2] == L'b' ? 23 : 48);
        ExpectCorners(*result.picture, kRed, kGreen, kBlue, kWhite, Narrow(name));
        EXPECT_EQ(result.isStretchBmpCashed, 1) << "the natural size leaves the cache flag alone";
    }
    EXPECT_FALSE(CacheExists());
}

TEST_F(PhotoLoader, ScalesTheChosenSideOfBmpAndJpegPictures) {
    const struct {
        const wchar_t* name;
        int w, h;
        int16_t size, mode;
        int width, height;
    } kCases[] = {
        {L"w.bmp", 640, 480, 160, 2, 160, 120}, {L"t.bmp", 300, 400, 160, 2, 120, 160},
        {L"w.jpg", 640, 480, 160, 0, 160, 120}, {L"t.jpg", 300, 400, 160, 1, 120, 160},
        {L"h.jpg", 640, 480, 160, 1, 213, 160}, {L"o.bmp", 320, 241, 160, 0, 160, 120},
        {L"u.bmp", 50, 40, 100, 2, 100, 80},    {L"s.jpg", 200, 200, 80, 2, 80, 80},
    };
    for (const auto& c : kCases) {
        bool bmp = std::wstring(c.name).ends_with(L".bmp");
        std::string path = Write(c.name, bmp ? QuadrantBmp(c.w, c.h) : QuadrantJpeg(c.w, c.h));
        DeleteFileW(m_folder.File(L"pmCache3.bmp").c_str());
        PhotoLoadResult result = LoadPhotoPicture(Request(path, 1, 0, c.size, c.mode));
        ASSERT_TRUE(result.picture) << Narrow(c.name);
        EXPECT_EQ(result.picture->width, c.width) << Narrow(c.name);
        EXPECT_EQ(result.picture->height, c.height) << Narrow(c.name);
        ExpectCorners(*result.picture, kRed, kGreen, kBlue, kWhite, Narrow(c.name));
        EXPECT_EQ(result.isStretchBmpCashed, 1);
        EXPECT_TRUE(CacheExists());
    }
}

// Phones store the sensor's pixels and an orientation tag; a child must never appear sideways.
TEST_F(PhotoLoader, OrientationTagTurnsThePictureUpright) {
    const struct {
        uint16_t orientation;
        Colour topLeft, topRight, bottomLeft, bottomRight;
    } kCases[] = {
        {1, kRed, kGreen, kBlue, kWhite}, {2, kGreen, kRed, kWhite, kBlue}, {3, kWhite, kBlue, kGreen, kRed},
        {4, kBlue, kWhite, kRed, kGreen}, {5, kRed, kBlue, kGreen, kWhite}, {6, kBlue, kRed, kWhite, kGreen},
        {7, kWhite, kGreen, kBlue, kRed}, {8, kGreen, kWhite, kRed, kBlue},
    };
    std::string jpeg = QuadrantJpeg(96, 64);
    for (const auto& c : kCases) {
        std::string path =
            Write(L"o" + std::to_wstring(c.orientation) + L".jpg", WithExifOrientation(jpeg, c.orientation));
        bool sideways = c.orientation >= 5;
        std::string what = "orientation " + std::to_string(c.orientation);

        std::optional<PixelImage> natural = ReadPictureAtNaturalSize(path);
        ASSERT_TRUE(natural) << what;
        EXPECT_EQ(natural->width, sideways ? 64 : 96) << what;
        ExpectCorners(*natural, c.topLeft, c.topRight, c.bottomLeft, c.bottomRight, what + " natural");

        // Mode 0 scales the width of the upright picture.
        std::optional<PixelImage> scaled = ReadPictureScaled(path, 48, ScaleSide::Width);
        ASSERT_TRUE(scaled) << what;
        EXPECT_EQ(scaled->width, 48) << what;
        EXPECT_EQ(scaled->height, sideways ? 72 : 32) << what;
        ExpectCorners(*scaled, c.topLeft, c.topRight, c.bottomLeft, c.bottomRight, what + " scaled");
    }
}

// A nearest-pixel stretch would leave a fine pattern black or white; the photo must be grey.
TEST_F(PhotoLoader, ShrinkingAveragesInsteadOfPickingPixels) {
    std::string path = Write(L"check.bmp", Bmp(400, 400, [](int x, int y) { return (x + y) % 2 ? kWhite : Colour{}; }));
    std::optional<PixelImage> scaled = ReadPictureScaled(path, 100, ScaleSide::Longer);
    ASSERT_TRUE(scaled);
    for (int y = 0; y < 100; y += 7)
        for (int x = 0; x < 100; x += 7)
            ASSERT_NEAR(scaled->Pixel(x, y)[1], 128, 12) << x << "," << y;
}

TEST_F(PhotoLoader, CacheIsWrittenAndTakenWithoutThePictureFile) {
    std::string path = Write(L"kid.jpg", QuadrantJpeg(640, 480));
    PhotoLoadResult scaled = LoadPhotoPicture(Request(path, 1, 0));
    ASSERT_TRUE(scaled.picture);
    EXPECT_EQ(scaled.isStretchBmpCashed, 1);
    ASSERT_TRUE(CacheExists());
    EXPECT_FALSE(GetFileAttributesW((m_folder.File(L"pmCache3.bmp") + L".new").c_str()) != INVALID_FILE_ATTRIBUTES);

    DeleteFileW(Widen(path).c_str());
    PhotoLoadResult cached = LoadPhotoPicture(Request(path, 1, 1));
    ASSERT_TRUE(cached.picture) << "a cache hit never opens the picture file";
    EXPECT_EQ(cached.picture->width, 160);
    EXPECT_EQ(cached.picture->height, 120);
    EXPECT_EQ(cached.picture->pixels, scaled.picture->pixels);
    EXPECT_EQ(cached.isStretchBmpCashed, 1);

    // A stale flag scales again; without the picture file that is a load failure, flag kept.
    PhotoLoadResult stale = LoadPhotoPicture(Request(path, 1, 0));
    EXPECT_FALSE(stale.picture);
    EXPECT_EQ(stale.isStretchBmpCashed, 0);
}

// The date a one-file picture was taken comes with a load that reads its file: the tooltip that
// shows it reads no file. A cache hit leaves the file alone.
TEST_F(PhotoLoader, TheDateTakenComesWithTheLoadWhenAskedFor) {
    const std::string jpeg = QuadrantJpeg(64, 48);
    const std::string bytes = jpeg.substr(0, 2) + ExifSegment(1, false, 3, "2024:06:10 09:30:00") + jpeg.substr(2);
    const auto taken = ReadExifDateTaken(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ASSERT_TRUE(taken);
    const std::string path = Write(L"taken.jpg", bytes);
    for (int16_t cached : {0, 1}) {
        PhotoLoadRequest request = Request(path, 1, cached);
        EXPECT_FALSE(LoadPhotoPicture(request).dateTaken) << cached;
        request.readDateTaken = true;
        const PhotoLoadResult result = LoadPhotoPicture(request);
        EXPECT_EQ(result.dateRead, cached == 0);
        EXPECT_EQ(result.dateTaken, cached == 0 ? taken : std::nullopt) << cached;
    }
}

TEST_F(PhotoLoader, StaleFlagRescalesAndReplacesTheCache) {
    std::string path = Write(L"kid.bmp", QuadrantBmp(640, 480));
    ASSERT_TRUE(LoadPhotoPicture(Request(path, 1, 0, 160)).picture);
    PhotoLoadResult bigger = LoadPhotoPicture(Request(path, 1, 2, 320));
    ASSERT_TRUE(bigger.picture);
    EXPECT_EQ(bigger.picture->width, 320);
    EXPECT_EQ(bigger.isStretchBmpCashed, 1);
    PhotoLoadResult cached = LoadPhotoPicture(Request(path, 1, 1, 160));
    ASSERT_TRUE(cached.picture);
    EXPECT_EQ(cached.picture->width, 320) << "the cache is taken as it is";
}

TEST_F(PhotoLoader, MissingCacheWithTheFlagSetIsALoadFailureThatKeepsTheFlag) {
    std::string path = Write(L"kid.bmp", QuadrantBmp(64, 48));
    PhotoLoadResult result = LoadPhotoPicture(Request(path, 1, 1));
    EXPECT_FALSE(result.picture);
    EXPECT_EQ(result.isStretchBmpCashed, 1);
}

TEST_F(PhotoLoader, CacheThatCannotBeWrittenStillShowsThePhotoWithAStaleFlag) {
    std::string path = Write(L"kid.bmp", QuadrantBmp(640, 480));
    // A folder where the cache file belongs.
    ASSERT_TRUE(CreateDirectoryW(m_folder.File(L"pmCache3.bmp").c_str(), nullptr));
    PhotoLoadResult result = LoadPhotoPicture(Request(path, 1, 0));
    ASSERT_TRUE(result.picture);
    EXPECT_EQ(result.picture->width, 160);
    EXPECT_EQ(result.isStretchBmpCashed, 0);
    RemoveDirectoryW(m_folder.File(L"pmCache3.bmp").c_str());

    // A cache path in a folder that does not exist.
    PhotoLoadRequest request = Request(path, 1, 0);
    request.cachePath = Narrow(m_folder.File(L"missing\\pmCache3.bmp"));
    result = LoadPhotoPicture(request);
    ASSERT_TRUE(result.picture);
    EXPECT_EQ(result.isStretchBmpCashed, 0);
}

TEST_F(PhotoLoader, TargetBeyondSixteenBitsIsALoadFailure) {
    std::string path = Write(L"thin.bmp", QuadrantBmp(10, 1000));
    PhotoLoadResult result = LoadPhotoPicture(Request(path, 1, 0, 640, 0));
    EXPECT_FALSE(result.picture);
    EXPECT_EQ(result.isStretchBmpCashed, 0);
    EXPECT_FALSE(CacheExists());
}

TEST_F(PhotoLoader, BrokenFilesAreLoadFailuresWithoutCrashOrHang) {
    for (const BrokenFile& file : BrokenPictureFiles()) {
        std::string path = Write(file.name, file.bytes);
        for (int16_t stretched : {0, 1}) {
            auto start = std::chrono::steady_clock::now();
            PhotoLoadResult result = LoadPhotoPicture(Request(path, stretched, 0));
            auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            EXPECT_FALSE(result.picture) << Narrow(file.name) << " stretched " << stretched;
            EXPECT_EQ(result.isStretchBmpCashed, 0) << Narrow(file.name);
            EXPECT_LT(seconds, 5.0) << Narrow(file.name);
        }
    }
    for (const std::string& path : {std::string(), Narrow(m_folder.File(L"none.jpg")), Narrow(m_folder.Path())}) {
        EXPECT_FALSE(LoadPhotoPicture(Request(path, 0, 0)).picture) << path;
        EXPECT_FALSE(LoadPhotoPicture(Request(path, 1, 0)).picture) << path;
    }
}

// A copy cut off on its way would show up partly grey; data after the end is the phone's own.
TEST_F(PhotoLoader, CutOffFilesAreRefusedWhatFollowsTheEndIsNot) {
    std::string jpeg = QuadrantJpeg(64, 48), bmp = QuadrantBmp(64, 48);
    const struct {
        const wchar_t* name;
        std::string bytes;
        bool shown;
    } kCases[] = {
        {L"whole.jpg", jpeg, true},
        {L"noend.jpg", jpeg.substr(0, jpeg.size() - 2), false},
        {L"half.jpg", jpeg.substr(0, jpeg.size() / 2), false},
        {L"trailer.jpg", jpeg + std::string(300000, '\x7F') + "ftypmp42", true},
        {L"whole.bmp", bmp, true},
        {L"short.bmp", bmp.substr(0, bmp.size() - 1), false},
        {L"padded.bmp", bmp + "extra", true},
    };
    for (const auto& c : kCases) {
        std::string path = Write(c.name, c.bytes);
        EXPECT_EQ(LoadPhotoPicture(Request(path, 0, 0)).picture != nullptr, c.shown) << Narrow(c.name);
        EXPECT_EQ(LoadPhotoPicture(Request(path, 1, 0)).picture != nullptr, c.shown) << Narrow(c.name);
    }
}

TEST_F(PhotoLoader, JapaneseFileNamesAreRead) {
    std::string path = Write(L"写真　ぴっころ.jpg", QuadrantJpeg(64, 48));
    PhotoLoadResult result = LoadPhotoPicture(Request(path, 0, 0));
    ASSERT_TRUE(result.picture);
    EXPECT_EQ(result.picture->width, 64);
}

}  // namespace
