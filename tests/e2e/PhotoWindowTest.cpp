#include "tests/e2e/support/PhotoExif.h"
#include "tests/e2e/support/PhotoFixture.h"

using namespace photo_e2e;
using namespace photo_test;

namespace {

bool Same(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

// The bordered window's frame around its inner area: side borders B, caption T (with the top
// border) and the bottom border B.
void ExpectFrameAround(HWND bordered, SIZE inner) {
    RECT outer = OuterRect(bordered), client = InnerRect(bordered);
    EXPECT_EQ(Size(client).cx, inner.cx);
    EXPECT_EQ(Size(client).cy, inner.cy);
    int border = client.left - outer.left;
    int caption = client.top - outer.top;
    EXPECT_GT(border, 0);
    EXPECT_GT(caption, border);
    EXPECT_EQ(Size(outer).cx, inner.cx + 2 * border) << "larger by 2B";
    EXPECT_EQ(Size(outer).cy, inner.cy + caption + border) << "larger by T + B";
}

TEST_F(PhotoWidget, WindowTakesThePictureSizeInEveryMode) {
    Picture(L"kid.bmp", QuadrantBmp(640, 480));
    Picture(L"kid.jpg", QuadrantJpeg(300, 400));
    Picture(L"phone.jpg", WithExifOrientation(QuadrantJpeg(400, 300), 6));
    const struct {
        const wchar_t* picture;
        const char* stretched;
        const char* size;
        const char* mode;
        SIZE inner;
    } kCases[] = {
        {L"kid.bmp", "0", "160", "2", {640, 480}},
        {L"kid.bmp", "1", "200", "0", {200, 150}},
        {L"kid.bmp", "1", "200", "1", {267, 200}},
        {L"kid.bmp", "1", "160", "2", {160, 120}},
        {L"kid.jpg", "0", "160", "2", {300, 400}},
        {L"kid.jpg", "1", "150", "0", {150, 200}},
        {L"kid.jpg", "1", "100", "1", {75, 100}},
        {L"kid.jpg", "1", "160", "2", {120, 160}},
        // A phone's sideways-stored photo stands upright: 300 wide, 400 high.
        {L"phone.jpg", "0", "160", "2", {300, 400}},
        {L"phone.jpg", "1", "160", "2", {120, 160}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(Utf8(c.picture) + " stretched " + c.stretched + " size " + c.size + " mode " + c.mode);
        WriteSetting({{"PictureFile", Utf8(m_folder.File(c.picture))},
                      {"IsStretched", c.stretched},
                      {"PictureSize", c.size},
                      {"StretchMode", c.mode}});
        HWND bordered = Start();
        ASSERT_EQ(e2e::ClassName(bordered), kBordered);
        ExpectFrameAround(bordered, c.inner);
        // The borderless twin covers exactly the inner area.
        PostMessageW(PhotoControl(bordered), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
        HWND borderless = e2e::WaitForWindowClass(m_process->Pid(), kBorderless);
        ASSERT_TRUE(borderless);
        EXPECT_EQ(Size(OuterRect(borderless)).cx, c.inner.cx);
        EXPECT_EQ(Size(OuterRect(borderless)).cy, c.inner.cy);
        EXPECT_TRUE(Same(InnerRect(borderless), OuterRect(borderless))) << "no frame";
        Close(borderless);
    }
}

TEST_F(PhotoWidget, WindowAppearsAtTheStoredPlaceWithTheAgeCaption) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    int tpp = TwipsPerPixel();
    WriteSetting({{"LastWindowTop", std::to_string(100 * tpp)}, {"LastWindowLeft", std::to_string(200 * tpp)}});
    HWND bordered = Start();
    ASSERT_EQ(e2e::ClassName(bordered), kBordered);
    RECT outer = OuterRect(bordered);
    EXPECT_EQ(outer.left, 200);
    EXPECT_EQ(outer.top, 100);
    EXPECT_EQ(Utf8(e2e::WindowText(bordered)), "たろうが生まれてから今日で101日");
    EXPECT_TRUE(NoMessageBoxFor(1500)) << "day 101 is no anniversary";
    EXPECT_FALSE(GetWindowLongPtrW(bordered, GWL_EXSTYLE) & WS_EX_TOPMOST);
    Close(bordered);
    EXPECT_EQ(Value("LastWindowTop"), std::to_string(100 * tpp));
    EXPECT_EQ(Value("LastWindowLeft"), std::to_string(200 * tpp));
    EXPECT_EQ(Value("LockSetting"), "");
}

TEST_F(PhotoWidget, BorderlessWindowAtTheStoredPlace) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    int tpp = TwipsPerPixel();
    WriteSetting({{"LastWindowBorder", "0"},
                  {"LastWindowTop", std::to_string(50 * tpp)},
                  {"LastWindowLeft", std::to_string(70 * tpp)},
                  {"WindowPosition", "1"}});
    HWND borderless = Start();
    ASSERT_EQ(e2e::ClassName(borderless), kBorderless);
    RECT outer = OuterRect(borderless);
    EXPECT_EQ(outer.left, 70);
    EXPECT_EQ(outer.top, 50);
    EXPECT_TRUE(GetWindowLongPtrW(borderless, GWL_EXSTYLE) & WS_EX_TOPMOST) << "WindowPosition 1 stays on top";
    Close(borderless);
    EXPECT_EQ(Value("LastWindowBorder"), "0");
}

TEST_F(PhotoWidget, StackingModesOfTheShownWindow) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting({{"WindowPosition", "1"}});
    HWND window = Start();
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    Close(window);

    WriteSetting({{"WindowPosition", "2"}});
    window = Start();
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(window, GW_HWNDLAST), window) << "at the bottom of the stack";
    Close(window);
}

TEST_F(PhotoWidget, APlaceOnNoMonitorComesOntoTheScreen) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting({{"LastWindowTop", "-300000"}, {"LastWindowLeft", "600000"}});
    HWND window = Start();
    RECT outer = OuterRect(window);
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_GE(outer.left, screen.left);
    EXPECT_GE(outer.top, screen.top);
    EXPECT_LE(outer.right, screen.right);
    EXPECT_LE(outer.bottom, screen.bottom);
    Close(window);
}

TEST_F(PhotoWidget, ToggleKeepsThePhotoInPlace) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting();
    HWND bordered = Start();
    RECT photo = InnerRect(bordered);
    PostMessageW(PhotoControl(bordered), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    HWND borderless = e2e::WaitForWindowClass(m_process->Pid(), kBorderless);
    ASSERT_TRUE(borderless);
    EXPECT_TRUE(e2e::WaitWindowGone(bordered));
    EXPECT_TRUE(Same(photo, OuterRect(borderless)));
    EXPECT_EQ(e2e::WindowText(borderless), e2e::WindowText(bordered)) << "the caption goes along";
    PostMessageW(PhotoControl(borderless), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    ASSERT_TRUE(e2e::WaitForWindowClass(m_process->Pid(), kBordered));
    EXPECT_TRUE(Same(photo, InnerRect(bordered)));
    Close(bordered);
}

TEST_F(PhotoWidget, PhotoIsDraggedLikeACaption) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting({{"LastWindowBorder", "0"}});
    HWND borderless = Start();
    RECT before = OuterRect(borderless);
    DragBy(PhotoControl(borderless), 60, 40);
    ASSERT_TRUE(e2e::WaitUntil([&] { return OuterRect(borderless).left != before.left; }, 5000));
    RECT after = OuterRect(borderless);
    EXPECT_EQ(after.left - before.left, 60);
    EXPECT_EQ(after.top - before.top, 40);
    Close(borderless);
    EXPECT_EQ(Value("LastWindowLeft"), std::to_string(after.left * TwipsPerPixel()));
}

TEST_F(PhotoWidget, MiddleButtonDoesNothing) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting();
    HWND window = Start();
    RECT before = OuterRect(window);
    HWND photo = PhotoControl(window);
    SendMessageW(photo, WM_MBUTTONDOWN, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(Same(before, OuterRect(window)));
    EXPECT_TRUE(NoMessageBoxFor(500));
    Close(window);
}

TEST_F(PhotoWidget, EndOfTheSessionSavesThePlaceAndReleasesTheLock) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting();
    HWND bordered = Start();
    EXPECT_EQ(Value("LockSetting"), "locked");
    SetWindowPos(bordered, nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(EndSession(bordered));
    ASSERT_TRUE(m_process->WaitExit()) << "the widget must end with the session";
    int tpp = TwipsPerPixel();
    EXPECT_EQ(Value("LockSetting"), "");
    EXPECT_EQ(Value("LastWindowLeft"), std::to_string(300 * tpp));
    EXPECT_EQ(Value("LastWindowTop"), std::to_string(250 * tpp));
    EXPECT_EQ(Value("LastWindowBorder"), "1");
}

TEST_F(PhotoWidget, ClosingEitherWindowEndsTheWholeWidget) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting();
    HWND bordered = Start();
    PostMessageW(PhotoControl(bordered), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    HWND borderless = e2e::WaitForWindowClass(m_process->Pid(), kBorderless);
    ASSERT_TRUE(borderless);
    // The hidden twin is closed: no process may stay behind without a window or a lock.
    PostMessageW(bordered, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m_process->WaitExit());
    EXPECT_EQ(Value("LockSetting"), "");
    EXPECT_EQ(Value("LastWindowBorder"), "0") << "the current window's frame is saved";
}

// A start from the cache reads nothing of the picture file; the photo's day is read when the
// mouse first rests on the photo, and the tooltip then tells how old the child was in it.
TEST_F(PhotoWidget, TheFirstHoverOfACachedStartTellsTheAgeInThePhoto) {
    std::string taken = DaysAgo(40) + " 10:00:00";
    std::replace(taken.begin(), taken.end(), '/', ':');
    const std::string jpeg = QuadrantJpeg(320, 240);
    Picture(L"kid.jpg", jpeg.substr(0, 2) + ExifSegment(1, false, 3, taken) + jpeg.substr(2));
    WriteSetting({{"PictureFile", Utf8(m_folder.File(L"kid.jpg"))}, {"IsStretched", "1"}});
    Close(Start());
    ASSERT_EQ(Value("IsStretchBmpCashed"), "1") << "the first start makes the cache";
    const HWND window = Start();
    ASSERT_TRUE(window);
    POINT before{};
    GetCursorPos(&before);
    const RECT photo = InnerRect(window);
    SetCursorPos((photo.left + photo.right) / 2, (photo.top + photo.bottom) / 2);
    const HWND tip = e2e::WaitForWindow(m_process->Pid(), [](HWND candidate) {
        return e2e::ClassName(candidate) == L"tooltips_class32" &&
               e2e::WindowText(candidate).find(L"この写真: ") != std::wstring::npos;
    });
    SetCursorPos(before.x, before.y);
    EXPECT_TRUE(tip) << "no tooltip with the age in the photo";
    Close(window);
}

}  // namespace
