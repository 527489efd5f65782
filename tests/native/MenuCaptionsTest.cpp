#include <gtest/gtest.h>

#include "widget/core/MenuCaptions.h"

namespace {

TEST(MenuCaptions, FrameItemOffersTheOtherWindow) {
    const struct {
        int16_t currentBorder;
        const char* caption;
    } kCases[] = {
        {0, "ふちのあるウィンドウにする"},
        {1, "ふちのないウィンドウにする"},
        {-1, "ふちのないウィンドウにする"},
        {2, "ふちのないウィンドウにする"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(BorderlessCaption(c.currentBorder), c.caption) << c.currentBorder;
}

TEST(MenuCaptions, OnlyTheRightButtonAloneOpensTheMenu) {
    const struct {
        int16_t button;
        bool opens;
    } kCases[] = {{2, true}, {4, false}, {1, false}, {3, false}, {6, false}, {0, false}};
    for (const auto& c : kCases)
        EXPECT_EQ(OpensContextMenu(c.button), c.opens) << c.button;
}

}  // namespace
