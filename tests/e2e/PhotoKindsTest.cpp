// Every still-picture kind this Windows decodes: a TIFF in a folder shows, a HEIC without its
// codec is passed over.
#include <windows.h>

#include "base/core/UniqueHandles_win.h"
#include "tests/e2e/support/PhotoFixture.h"

using namespace photo_e2e;
using namespace photo_test;

namespace {

// An uncompressed RGB TIFF of w x h, one grey strip.
std::string GreyTiff(int w, int h) {
    std::string t("II*\0", 4);
    auto u16 = [&](uint32_t v) { t += {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; };
    auto u32 = [&](uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); };
    const uint32_t bits = 8 + 2 + 9 * 12 + 4, pixels = bits + 6, size = static_cast<uint32_t>(w * h * 3);
    u32(8);
    u16(9);
    const uint32_t entries[9][3] = {{256, 4, static_cast<uint32_t>(w)},
                                    {257, 4, static_cast<uint32_t>(h)},
                                    {258, 3, bits},
                                    {259, 3, 1},
                                    {262, 3, 2},
                                    {273, 4, pixels},
                                    {277, 3, 3},
                                    {278, 4, static_cast<uint32_t>(h)},
                                    {279, 4, size}};
    for (const auto& [tag, type, value] : entries) {
        u16(tag), u16(type), u32(tag == 258 ? 3 : 1);
        type == 3 && tag != 258 ? (u16(value), u16(0)) : u32(value);
    }
    u32(0);
    u16(8), u16(8), u16(8);
    return t + std::string(size, '\x80');
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
