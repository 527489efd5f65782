// A running widget whose photo ends up on no monitor (a monitor unplugged, the resolution
// lowered) brings it back when the system announces the change, and saves the new place.
#include <gtest/gtest.h>

#include "tests/e2e/support/PhotoFixture.h"

namespace photo_e2e {
namespace {

using WidgetDesktopChange = PhotoWidget;

TEST_F(WidgetDesktopChange, APhotoLeftOnNoMonitorComesBackAndItsPlaceIsSaved) {
    Picture(L"kid.bmp", photo_test::QuadrantBmp(40, 30));
    WriteSetting();
    HWND window = Start();
    ASSERT_TRUE(window);
    // Where a monitor used to be: far right of the only screen.
    SetWindowPos(window, nullptr, 5000, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND watch = nullptr;  // a hidden window, made once the photo is painted: it hears the system's broadcasts
    e2e::WaitUntil([&] {
        for (HWND candidate : e2e::TopLevelWindows(m_process->Pid(), false))
            if (e2e::ClassName(candidate) == L"PimmoDesktopWatch")
                watch = candidate;
        return watch != nullptr;
    });
    ASSERT_TRUE(watch) << "the widget does not listen for display changes";
    SendMessageTimeoutW(watch, WM_DISPLAYCHANGE, 24, MAKELPARAM(1280, 1024), SMTO_NORMAL, 5000, nullptr);
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT place = OuterRect(window);
    EXPECT_LE(place.right, screen.right) << "still off the screen";
    EXPECT_GE(place.left, 0);
    EXPECT_EQ(place.top, 300) << "only as far as needed";
    Close(window);
    EXPECT_EQ(Value("LastWindowLeft"), std::to_string(place.left * TwipsPerPixel()));
}

}  // namespace
}  // namespace photo_e2e
