#include <gtest/gtest.h>

#include "widget/win/APICall.h"

namespace {

HWND MakeWindow(const wchar_t* title) {
    static ATOM atom = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"PhotoZOrderTestWindow";
        return RegisterClassW(&windowClass);
    }();
    (void)atom;
    return CreateWindowExW(0, L"PhotoZOrderTestWindow", title, WS_OVERLAPPEDWINDOW, 50, 50, 200, 150, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

bool IsTopmost(HWND window) {
    return GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST;
}

class PhotoZOrder : public testing::Test {
protected:
    void SetUp() override {
        m_other = MakeWindow(L"other");
        m_window = MakeWindow(L"window");
        ShowWindow(m_other, SW_SHOW);
        SetForegroundWindow(m_other);
        SetActiveWindow(m_other);
    }
    void TearDown() override {
        DestroyWindow(m_window);
        DestroyWindow(m_other);
    }
    RECT Rect() const {
        RECT rect{};
        GetWindowRect(m_window, &rect);
        return rect;
    }
    HWND m_other = nullptr;
    HWND m_window = nullptr;
};

TEST_F(PhotoZOrder, AlwaysOnTopShowsAndActivatesInPlace) {
    RECT before = Rect();
    EXPECT_TRUE(APICall::SetWindowZOrder(m_window, Stacking::OnTop));
    EXPECT_TRUE(IsWindowVisible(m_window));
    EXPECT_TRUE(IsTopmost(m_window));
    EXPECT_EQ(GetActiveWindow(), m_window);
    RECT after = Rect();
    EXPECT_TRUE(EqualRect(&before, &after)) << "neither moved nor resized";
}

TEST_F(PhotoZOrder, NormalShowsAndLeavesTheTopmostBand) {
    APICall::SetWindowZOrder(m_window, Stacking::OnTop);
    EXPECT_TRUE(APICall::SetWindowZOrder(m_window, Stacking::Normal));
    EXPECT_TRUE(IsWindowVisible(m_window));
    EXPECT_FALSE(IsTopmost(m_window));
    EXPECT_EQ(GetActiveWindow(), m_window);
}

TEST_F(PhotoZOrder, AnyOtherModePutsItAtTheBottomWithoutActivating) {
    for (int16_t mode : {2, -1, 3, 32767, -32768}) {
        ShowWindow(m_window, SW_HIDE);
        SetActiveWindow(m_other);
        RECT before = Rect();
        EXPECT_TRUE(APICall::SetWindowZOrder(m_window, StackingOf(mode))) << mode;
        EXPECT_TRUE(IsWindowVisible(m_window)) << mode;
        EXPECT_FALSE(IsTopmost(m_window)) << mode;
        EXPECT_EQ(GetWindow(m_window, GW_HWNDLAST), m_window) << mode;
        EXPECT_EQ(GetActiveWindow(), m_other) << mode;
        RECT after = Rect();
        EXPECT_TRUE(EqualRect(&before, &after)) << mode;
    }
}

}  // namespace
