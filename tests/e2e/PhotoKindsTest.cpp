// Every still-picture kind this Windows decodes: a TIFF in a folder shows, a HEIC without its
// codec is passed over.
#include <windows.h>

#include "base/core/UniqueHandles_win.h"
#include "tests/e2e/support/PhotoFixture.h"

using namespace photo_e2e;
using namespace photo_test;

namespace {

// An uncompressed RGB TIFF of w x h (below 256 a side), one grey strip: nine tags of
// 12 bytes, each a 16-bit type-3 value but the sizes (type 4) and the bits per sample.
std::string GreyTiff(int w, int h) {
    std::string t("II*\0\x08\0\0\0\x09\0", 10);
    const int bits = 10 + 9 * 12 + 4, pixels = bits + 6;
    const int tags[9][3] = {{256, 4, w},      {257, 4, h}, {258, 3, bits}, {259, 3, 1},        {262, 3, 2},
                            {273, 4, pixels}, {277, 3, 3}, {278, 4, h},    {279, 4, w * h * 3}};
    for (const auto& [tag, type, value] : tags)
        t += {char(tag & 0xFF),   char(tag >> 8),   char(type), 0, char(tag == 258 ? 3 : 1), 0, 0, 0,
              char(value & 0xFF), char(value >> 8), 0,          0};
    return t + std::string("\0\0\0\0\x08\0\x08\0\x08\0", 10) + std::string(w * h * 3, '\x80');
}

TEST_F(PhotoWidget, ATiffInTheFolderShowsAndAHeicWithoutItsCodecIsPassedOver) {
    const std::wstring photos = m_folder.File(L"photos");
    ASSERT_TRUE(CreateDirectoryW(photos.c_str(), nullptr));
    WriteFileBytes(photos + L"\\a.bmp", QuadrantBmp(64, 48));
    WriteFileBytes(photos + L"\\b.tif", GreyTiff(40, 30));
    WriteFileBytes(photos + L"\\c.heic", std::string("\0\0\0\x18"
                                                     "ftypheic",
                                                     12) +
                                             std::string(64, '\0'));
    // The newest by far: were it taken, the widget would try to show it.
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const uint64_t ticks = (uint64_t{now.dwHighDateTime} << 32 | now.dwLowDateTime) + 36000000000ULL;
    const FILETIME later{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    {
        const UniqueFile heic(
            CreateFileW((photos + L"\\c.heic").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(SetFileTime(heic.Get(), nullptr, nullptr, &later));
    }
    WriteSetting({{"PictureFile", ""}, {"PictureFolder", Utf8(photos)}, {"PictureOrder", "1"}});
    HWND window = Start();
    ASSERT_TRUE(window);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Value("PictureFile") == Utf8(photos + L"\\b.tif"); }));
    EXPECT_TRUE(e2e::WaitUntil([&] {
        SIZE size = Size(InnerRect(window));
        return size.cx == 40 && size.cy == 30;
    })) << "the TIFF at its natural size";
    EXPECT_TRUE(NoMessageBoxFor(500));
    Close(window);
}

}  // namespace
