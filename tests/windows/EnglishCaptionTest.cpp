// The English caption of a framed photo window of the default size (160 pixels on the longer
// side, so 120 wide for a portrait) in this system's caption font at 96 and 144 DPI: a short
// name's caption is whole, and a long name stays whole before its day count, which may be cut.
#include <gtest/gtest.h>

#include <windows.h>

#include "base/core/Unicode.h"
#include "widget/core/AgeMessages.h"
#include "widget/core/PhotoDpi.h"

namespace {

int CaptionTextWidth(const std::string& text, int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, CreateFontIndirectW(&metrics.lfCaptionFont));
    const std::wstring wide = Widen(text);
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
    return extent.cx;
}

TEST(EnglishCaption, FitsTheDefaultPhotoWindowNameFirst) {
    const CalendarDate birthday{2020, 1, 1}, today = DateFromDayNumber(DayNumber(birthday) + 1233);
    for (int dpi : {96, 144})
        for (PixelSize source : {PixelSize{640, 480}, PixelSize{480, 640}})
            for (const std::string name : {"Hana", "Alexandra", "Maximilian"}) {
                const std::string caption = AgeCaption(name, birthday, today, Language::English);
                const size_t whole = name == "Hana" ? caption.size() : caption.find(name) + name.size();
                EXPECT_LE(CaptionTextWidth(caption.substr(0, whole), dpi),
                          PhotoTargetSize(source, 1, 160, ScaleSide::Longer, dpi)->width)
                    << caption << " at " << dpi << " DPI";
            }
}

}  // namespace
