#include <gtest/gtest.h>

#include "base/core/Unicode.h"
#include "tests/e2e/support/PhotoPictures.h"
#include "tests/e2e/support/PhotoTempFolder.h"
#include "widget/win/PhotoWindow.h"
#include "widget/win/PhotoWindowPair.h"

namespace {

using namespace photo_test;

HWND FindOwn(const wchar_t* className) {
    struct Search {
        const wchar_t* name;
        HWND found;
    } search{className, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t name[64];
            GetClassNameW(window, name, 64);
            if (wcscmp(name, s->name) == 0)
                s->found = window;
            return s->found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RECT Outer(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT InnerOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Text(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

int Twips(int pixels) {
    return pixels * 1440 / static_cast<int>(GetDpiForSystem());
}

// Fresh windows for every test; the owner's commands are not reached by these tests.
class PhotoWindowPairTest : public testing::Test, private PhotoPairOwner {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_pair.LoadPhotoWindows(GetModuleHandleW(nullptr), WindowFrame::Bordered));
        m_pair.PlacePhotoWindow(WindowFrame::Borderless, 0, 0, "caption");  // makes its twin
        s_borderless = FindOwn(kBorderlessClass);
        s_bordered = FindOwn(kBorderedClass);
        LoadPhoto(Narrow(Picture(120, 90)));
    }
    std::wstring Picture(int w, int h) {
        std::wstring path = m_folder.File(L"p" + std::to_wstring(w) + L"x" + std::to_wstring(h) + L".bmp");
        WriteFileBytes(path, QuadrantBmp(w, h));
        return path;
    }
    void LoadPhoto(const std::string& path, PhotoWindowPair* pair = nullptr) {
        pair = pair ? pair : &m_pair;
        PhotoLoadRequest request;
        request.picturePath = path;
        request.dpi = pair->Dpi();
        pair->ShowLoadedPhoto(LoadPhotoPicture(request));
    }
    PhotoPairOwner& Owner() { return *this; }
    void PlacePhotoWindow(int16_t border, int32_t top, int32_t left) {
        m_pair.PlacePhotoWindow(FrameOf(border), top, left, "caption");
    }
    void ShowPhotoWindow(int16_t border, int16_t stacking) {
        m_pair.ShowPhotoWindow(FrameOf(border), StackingOf(stacking));
    }
    int CurrentBorder() const { return m_pair.CurrentFrame() == WindowFrame::Borderless ? 0 : 1; }
    void ToggleBorder() { m_pair.ToggleBorder(); }

    HWND s_borderless = nullptr, s_bordered = nullptr;
    PhotoTempFolder m_folder;
    PhotoWindowPair m_pair{*this};

private:
    void OnPhotoMenu(int16_t) override {}
    void OnPhotoMenuKey(POINT) override {}
    void OnPictureDropped(const std::string&) override {}
    void OnFolderDropped(const std::string&) override {}
    void OnPhotoUnload(bool) override {}
    void OnPhotoDpiChanged() override {}
    void OnPhotoHover() override {}
    std::string PhotoTooltipText() override { return {}; }
};

TEST_F(PhotoWindowPairTest, BothWindowsTakeThePictureSize) {
    LoadPhoto(Narrow(Picture(213, 160)));
    RECT inner{};
    GetClientRect(s_borderless, &inner);
    EXPECT_EQ(inner.right, 213);
    EXPECT_EQ(inner.bottom, 160);
    RECT outer = Outer(s_borderless);
    EXPECT_EQ(outer.right - outer.left, 213) << "the borderless window has no frame";
    GetClientRect(s_bordered, &inner);
    EXPECT_EQ(inner.right, 213);
    EXPECT_EQ(inner.bottom, 160);
    outer = Outer(s_bordered);
    int border = (outer.right - outer.left - 213) / 2;
    EXPECT_GT(border, 0);
    EXPECT_GT(outer.bottom - outer.top - 160 - border, border) << "a caption bar above the photo";
}

TEST_F(PhotoWindowPairTest, LoadFailureShowsAnEmptyPhotoOf1500Twips) {
    LoadPhoto(Narrow(m_folder.File(L"missing.jpg")));
    int side = 1500 * static_cast<int>(GetDpiForSystem()) / 1440;
    for (HWND window : {s_borderless, s_bordered}) {
        RECT outer = Outer(window);
        EXPECT_EQ(outer.right - outer.left, side);
        EXPECT_EQ(outer.bottom - outer.top, side);
    }
}

TEST_F(PhotoWindowPairTest, PlacesTheCurrentWindowAndAlignsTheOther) {
    PlacePhotoWindow(1, Twips(133), Twips(67));
    EXPECT_EQ(CurrentBorder(), 1);
    RECT bordered = Outer(s_bordered);
    EXPECT_EQ(bordered.left, 67);
    EXPECT_EQ(bordered.top, 133);
    EXPECT_TRUE(SameRect(Outer(s_borderless), InnerOnScreen(s_bordered)))
        << Text(Outer(s_borderless)) << " vs " << Text(InnerOnScreen(s_bordered));
    wchar_t caption[100];
    GetWindowTextW(s_bordered, caption, 100);
    EXPECT_EQ(Narrow(caption), "caption");
    GetWindowTextW(s_borderless, caption, 100);
    EXPECT_EQ(Narrow(caption), "caption");
    WindowPlace place = m_pair.CurrentWindowPlace();
    EXPECT_EQ(place.top, Twips(133));
    EXPECT_EQ(place.left, Twips(67));
}

TEST_F(PhotoWindowPairTest, BorderedWindowStaysOnTheScreenAtTheTopLeftCorner) {
    PlacePhotoWindow(0, 0, 0);
    EXPECT_EQ(CurrentBorder(), 0);
    RECT borderless = Outer(s_borderless), bordered = Outer(s_bordered);
    EXPECT_EQ(borderless.left, 0);
    EXPECT_EQ(borderless.top, 0);
    EXPECT_EQ(bordered.left, 0);
    EXPECT_EQ(bordered.top, 0);
    // Toggled there, the photo moves by the frame; toggled back it stays where it went.
    ShowPhotoWindow(0, 0);
    ToggleBorder();
    ToggleBorder();
    RECT inner = InnerOnScreen(s_bordered);
    borderless = Outer(s_borderless);
    EXPECT_EQ(borderless.left, inner.left);
    EXPECT_EQ(borderless.top, inner.top);
    EXPECT_GT(borderless.top, 0);
}

TEST_F(PhotoWindowPairTest, ToggleKeepsThePhotoInPlace) {
    PlacePhotoWindow(0, Twips(300), Twips(400));
    ShowPhotoWindow(0, 0);
    ASSERT_TRUE(IsWindowVisible(s_borderless));
    ASSERT_FALSE(IsWindowVisible(s_bordered));
    ToggleBorder();
    EXPECT_EQ(CurrentBorder(), 1);
    EXPECT_TRUE(IsWindowVisible(s_bordered));
    EXPECT_FALSE(IsWindowVisible(s_borderless));
    RECT inner = InnerOnScreen(s_bordered);
    EXPECT_EQ(inner.left, 400);
    EXPECT_EQ(inner.top, 300);
    ToggleBorder();
    EXPECT_EQ(CurrentBorder(), 0);
    EXPECT_TRUE(IsWindowVisible(s_borderless));
    EXPECT_FALSE(IsWindowVisible(s_bordered));
    RECT outer = Outer(s_borderless);
    EXPECT_EQ(outer.left, 400);
    EXPECT_EQ(outer.top, 300);
}

TEST_F(PhotoWindowPairTest, APlaceOnNoMonitorComesOntoTheScreen) {
    for (auto [border, top, left] : {std::tuple{0, 450000, 450000}, {1, -600000, -600000}, {0, 100, 40000000}}) {
        PlacePhotoWindow(static_cast<int16_t>(border), top, left);
        RECT outer = Outer(border ? s_bordered : s_borderless);
        HMONITOR monitor = MonitorFromRect(&outer, MONITOR_DEFAULTTONULL);
        ASSERT_TRUE(monitor) << Text(outer);
        MONITORINFO info{};
        info.cbSize = sizeof info;
        GetMonitorInfoW(monitor, &info);
        EXPECT_GE(outer.left, info.rcWork.left);
        EXPECT_GE(outer.top, info.rcWork.top);
        EXPECT_LE(outer.right, info.rcWork.right);
        EXPECT_LE(outer.bottom, info.rcWork.bottom);
    }
    // A place partly on the screen is kept as it is.
    PlacePhotoWindow(0, Twips(-20), Twips(-30));
    RECT outer = Outer(s_borderless);
    EXPECT_EQ(outer.left, -30);
    EXPECT_EQ(outer.top, -20);
}

TEST_F(PhotoWindowPairTest, ShowsTheChosenWindowWithItsStackingOrder) {
    PlacePhotoWindow(1, Twips(100), Twips(100));
    ShowPhotoWindow(1, 1);
    EXPECT_TRUE(IsWindowVisible(s_bordered));
    EXPECT_FALSE(IsWindowVisible(s_borderless));
    EXPECT_TRUE(GetWindowLongPtrW(s_bordered, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ShowPhotoWindow(1, 0);
    EXPECT_FALSE(GetWindowLongPtrW(s_bordered, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ShowPhotoWindow(0, 2);
    EXPECT_TRUE(IsWindowVisible(s_borderless));
    EXPECT_FALSE(IsWindowVisible(s_bordered));
    EXPECT_EQ(GetWindow(s_borderless, GW_HWNDLAST), s_borderless) << "at the bottom of the stack";
    EXPECT_EQ(m_pair.CurrentPhotoWindow(), s_bordered) << "current follows CurrentBorder, set by placing";
}

TEST_F(PhotoWindowPairTest, WindowsAreTheFrameTwins) {
    LONG_PTR style = GetWindowLongPtrW(s_bordered, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongPtrW(s_bordered, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    style = GetWindowLongPtrW(s_borderless, GWL_STYLE);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU));
    EXPECT_TRUE(GetWindowLongPtrW(s_borderless, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "no taskbar button";
    for (HWND window : {s_borderless, s_bordered}) {
        HWND photo = FindWindowExW(window, nullptr, kPhotoClass, nullptr);
        ASSERT_TRUE(photo);
        EXPECT_TRUE(GetWindowLongPtrW(photo, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
        RECT inner{}, control{};
        GetClientRect(window, &inner);
        GetClientRect(photo, &control);
        EXPECT_TRUE(SameRect(inner, control)) << "the photo fills the window";
    }
}

// A start makes the window of its frame only, given its picture before its place; the twin comes
// at the first toggle, in step.
TEST_F(PhotoWindowPairTest, TheOtherFrameIsMadeAtTheFirstToggleInStepWithItsTwin) {
    m_pair.DestroyWindows();
    PhotoWindowPair pair{Owner()};
    ASSERT_TRUE(pair.LoadPhotoWindows(GetModuleHandleW(nullptr), WindowFrame::Borderless));
    LoadPhoto(Narrow(Picture(150, 100)), &pair);
    pair.PlacePhotoWindow(WindowFrame::Borderless, Twips(300), Twips(400), "caption");
    pair.ShowPhotoWindow(WindowFrame::Borderless, Stacking::Normal);
    pair.EnableInput(false);
    EXPECT_FALSE(FindOwn(kBorderedClass)) << "no bordered window before it is needed";
    pair.ToggleBorder();
    const HWND bordered = FindOwn(kBorderedClass);
    ASSERT_EQ(pair.CurrentPhotoWindow(), bordered);
    EXPECT_TRUE(IsWindowVisible(bordered) && !IsWindowEnabled(bordered)) << "shown; made while a command runs";
    EXPECT_TRUE(SameRect(InnerOnScreen(bordered), {400, 300, 550, 400})) << "the photo stays in place";
    pair.DestroyWindows();
}

}  // namespace
