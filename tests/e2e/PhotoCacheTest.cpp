#include "tests/e2e/support/PhotoFixture.h"

using namespace photo_e2e;
using namespace photo_test;

namespace {

// The width and height in a BMP file's header.
SIZE BmpSize(const std::string& bytes) {
    if (bytes.size() < 26)
        return {};
    auto at = [&](size_t i) { return static_cast<uint8_t>(bytes[i]) | static_cast<uint8_t>(bytes[i + 1]) << 8; };
    return {at(18), at(22)};
}

class PhotoCache : public PhotoWidget {
protected:
    std::wstring CachePath() const { return m_folder.File(L"pmCache3.bmp"); }
    int EmptySide() const { return 1500 / TwipsPerPixel(); }
};

TEST_F(PhotoCache, ScaledPictureIsCachedAndShownWithoutThePictureFile) {
    std::wstring kid = Picture(L"kid.jpg", QuadrantJpeg(640, 480));
    WriteSetting({{"PictureFile", Utf8(kid)}, {"IsStretched", "1"}});
    HWND window = Start();
    EXPECT_EQ(Size(InnerRect(window)).cx, 160);
    ASSERT_TRUE(e2e::FileExists(CachePath()));
    SIZE cached = BmpSize(e2e::ReadFileBytes(CachePath()));
    EXPECT_EQ(cached.cx, 160);
    EXPECT_EQ(cached.cy, 120);
    Close(window);
    EXPECT_EQ(Value("IsStretchBmpCashed"), "1");

    ASSERT_TRUE(DeleteFileW(kid.c_str()));
    window = Start();
    EXPECT_EQ(Size(InnerRect(window)).cx, 160);
    EXPECT_EQ(Size(InnerRect(window)).cy, 120);
    Close(window);
    EXPECT_EQ(Value("IsStretchBmpCashed"), "1");
}

TEST_F(PhotoCache, StaleFlagScalesAgainAndReplacesTheCache) {
    std::wstring kid = Picture(L"kid.bmp", QuadrantBmp(640, 480));
    WriteSetting({{"IsStretched", "1"}});
    Close(Start());
    ASSERT_EQ(BmpSize(e2e::ReadFileBytes(CachePath())).cx, 160);

    WriteSetting({{"IsStretched", "1"}, {"PictureSize", "320"}, {"IsStretchBmpCashed", "0"}});
    HWND window = Start();
    EXPECT_EQ(Size(InnerRect(window)).cx, 320);
    EXPECT_EQ(BmpSize(e2e::ReadFileBytes(CachePath())).cx, 320);
    Close(window);
    EXPECT_EQ(Value("IsStretchBmpCashed"), "1");
}

TEST_F(PhotoCache, MissingCacheWithTheFlagSetGivesTheEmptyWindow) {
    Picture(L"kid.bmp", QuadrantBmp(640, 480));
    WriteSetting({{"IsStretched", "1"}, {"IsStretchBmpCashed", "1"}});
    HWND window = Start();
    EXPECT_EQ(Size(OuterRect(window)).cx, EmptySide());
    EXPECT_EQ(Size(OuterRect(window)).cy, EmptySide());
    Close(window);
    EXPECT_EQ(Value("IsStretchBmpCashed"), "1") << "only a change of picture or options clears it";
}

TEST_F(PhotoCache, CacheThatCannotBeWrittenStillShowsTheScaledPhoto) {
    Picture(L"kid.bmp", QuadrantBmp(640, 480));
    // Something that is not a file stands where the cache belongs.
    ASSERT_TRUE(CreateDirectoryW(CachePath().c_str(), nullptr));
    WriteSetting({{"IsStretched", "1"}});
    HWND window = Start();
    EXPECT_EQ(Size(InnerRect(window)).cx, 160);
    EXPECT_EQ(Size(InnerRect(window)).cy, 120);
    Close(window);
    EXPECT_EQ(Value("IsStretchBmpCashed"), "0") << "the next start scales again";
}

TEST_F(PhotoCache, NaturalSizeLeavesTheCacheAlone) {
    Picture(L"kid.bmp", QuadrantBmp(64, 48));
    WriteSetting({{"IsStretchBmpCashed", "1"}});
    Close(Start());
    EXPECT_FALSE(e2e::FileExists(CachePath()));
    EXPECT_EQ(Value("IsStretchBmpCashed"), "1");
}

TEST_F(PhotoCache, BrokenPicturesGiveTheEmptyWindow) {
    for (const BrokenFile& file : BrokenPictureFiles()) {
        std::wstring path = Picture(file.name, file.bytes);
        for (const char* stretched : {"0", "1"}) {
            SCOPED_TRACE(Utf8(file.name) + " stretched " + stretched);
            WriteSetting({{"PictureFile", Utf8(path)}, {"IsStretched", stretched}});
            HWND window = Start();
            ASSERT_TRUE(window);
            EXPECT_EQ(Size(OuterRect(window)).cx, EmptySide());
            EXPECT_EQ(Size(OuterRect(window)).cy, EmptySide());
            EXPECT_TRUE(m_process->IsRunning());
            Close(window);
        }
    }
}

}  // namespace
