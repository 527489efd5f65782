// The English caption in the title bar of a framed photo window of the default size (160 pixels
// on the longer side, so 120 wide for a portrait), measured in this system's caption font at 96
// and 144 DPI: a short name's caption is whole, and a long name stays whole before its day count,
// which the title bar may cut.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "base/core/Unicode.h"
#include "widget/core/AgeMessages.h"
#include "widget/core/PhotoDpi.h"

namespace {

int CaptionTextWidth(const std::string& text, int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi));
    HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    const std::wstring wide = Widen(text);
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return extent.cx;
}

TEST(EnglishCaption, FitsTheDefaultPhotoWindowNameFirst) {
    const CalendarDate birthday{2020, 1, 1};
    const CalendarDate today = DateFromDayNumber(DayNumber(birthday) + 1233);
    for (int dpi : {96, 144})
        for (PixelSize source : {PixelSize{640, 480}, PixelSize{480, 640}}) {
            const int room = PhotoTargetSize(source, 1, 160, 2, dpi)->width;
            for (const char* name : {"Hana", "Alexandra", "Maximilian"}) {
                const std::string caption = AgeCaption(name, birthday, today, Language::English);
                const bool whole = std::strcmp(name, "Hana") == 0;
                const std::string shown = whole ? caption : caption.substr(0, caption.find(name) + std::strlen(name));
                EXPECT_LE(CaptionTextWidth(shown, dpi), room) << caption << " at " << dpi << " DPI in " << room;
            }
        }
}

}  // namespace
