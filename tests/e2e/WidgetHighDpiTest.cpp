// The widget on a 150 % screen (144 DPI): the photo has the physical size it has at 100 %,
// scaled from its source, its caption fits as it does at 96 DPI, and a cache made for 96 DPI
// is made anew. Runs in its own lane with the prefix at 144 DPI; elsewhere it is skipped.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/PhotoFixture.h"

namespace photo_e2e {
namespace {

uint32_t Read32(const std::string& bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8 |
           static_cast<uint8_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

// The width of the caption in the caption bar's font at the window's DPI.
int CaptionTextWidth(HWND window) {
    const UINT dpi = GetDpiForWindow(window);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    const std::wstring text = e2e::WindowText(window);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return extent.cx;
}

using WidgetHighDpi = PhotoWidget;

TEST_F(WidgetHighDpi, PhotoKeepsItsPhysicalSizeAndItsCaptionFits) {
    if (GetDpiForSystem() != 144)
        GTEST_SKIP() << "runs in the 144 DPI lane";
    Picture(L"kid.bmp", photo_test::QuadrantBmp(640, 480));
    Picture(L"pmCache3.bmp", photo_test::QuadrantBmp(240, 180));  // made for 96 DPI
    WriteSetting({{"IsStretched", "1"}, {"PictureSize", "240"}, {"IsStretchBmpCashed", "1"}});
    HWND window = Start();
    ASSERT_TRUE(window);
    EXPECT_EQ(GetDpiForWindow(window), 144u);

    SIZE photo = Size(InnerRect(PhotoControl(window)));
    EXPECT_EQ(photo.cx, 360) << "PictureSize 240 counts pixels at 96 DPI";
    EXPECT_EQ(photo.cy, 270);
    const std::string cache = e2e::ReadFileBytes(m_folder.File(L"pmCache3.bmp"));
    ASSERT_GE(cache.size(), 54u);
    EXPECT_EQ(Read32(cache, 18), 360u) << "the 96 DPI cache was made anew";
    EXPECT_EQ(Read32(cache, 22), 270u);
    EXPECT_EQ(Read32(cache, 38), 5669u) << "the cache records its DPI";

    const int captionBar = Size(OuterRect(window)).cx;
    EXPECT_LE(CaptionTextWidth(window), captionBar) << "the caption is cut off";
    Close(window);
    EXPECT_EQ(Value("IsStretchBmpCashed"), "1");
}

}  // namespace
}  // namespace photo_e2e
