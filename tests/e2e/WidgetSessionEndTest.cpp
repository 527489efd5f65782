// Many widgets on one profile file, ended together by the end of the session: every one of
// them saves its place into the same file at the same moment, and none of the saves is lost.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/support/E2e.h"
#include "tests/e2e/support/PhotoDriver.h"
#include "tests/e2e/support/PhotoPictures.h"

namespace photo_e2e {
namespace {

constexpr int kWidgets = 16;

std::string SettingSectionText(int number, const std::string& picture) {
    return "[PIMMO" + std::to_string(number) + "]\r\nLockSetting=\r\nWindowPosition=0\r\nPictureFile=" + picture +
           "\r\nLastWindowTop=0\r\nLastWindowLeft=0\r\nLastWindowBorder=" + std::to_string(number % 2) +
           "\r\nPimmoName=kid" + std::to_string(number) + "\r\nPimmoBirthDay=" + DaysAgo(100) +
           "\r\nIsStretched=0\r\nPictureSize=160\r\nStretchMode=2\r\nIsStretchBmpCashed=0\r\n";
}

TEST(WidgetSessionEnd, SixteenWidgetsEndedTogetherEachKeepTheirPlace) {
    e2e::ProgramFolder folder;
    e2e::WriteFileBytes(folder.File(L"kid.bmp"), photo_test::QuadrantBmp(40, 30));
    const std::wstring picturePath = folder.File(L"kid.bmp");
    const std::string picture(picturePath.begin(), picturePath.end());  // the temporary folder's path is ASCII
    std::string profile;
    for (int n = 1; n <= kWidgets; ++n)
        profile += SettingSectionText(n, picture);
    e2e::WriteFileBytes(folder.ProfilePath(), profile);

    std::vector<e2e::Process> widgets;
    std::vector<HWND> windows;
    for (int n = 1; n <= kWidgets; ++n) {
        widgets.push_back(e2e::Process::Start(folder.Exe(L"pimmo.exe"), L"/S" + std::to_wstring(n)));
        windows.push_back(WaitForPhotoWindow(widgets.back().Pid()));
        ASSERT_TRUE(windows.back()) << "widget " << n << " shows no photo";
    }
    // Each photo goes to a place of its own, as a user would have dragged it.
    for (int i = 0; i < kWidgets; ++i)
        SetWindowPos(windows[i], nullptr, 20 + 30 * i, 40 + 20 * i, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND window : windows) {
        DWORD_PTR agreed = 0;
        ASSERT_TRUE(SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &agreed));
        EXPECT_TRUE(agreed);
    }
    for (HWND window : windows)  // posted one right after the other: all save at once
        PostMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    for (e2e::Process& widget : widgets)
        EXPECT_TRUE(widget.WaitExit()) << "a widget did not end";

    const int twips = TwipsPerPixel();
    for (int i = 0; i < kWidgets; ++i) {
        const std::wstring section = L"PIMMO" + std::to_wstring(i + 1);
        auto value = [&](const wchar_t* key) { return e2e::ReadProfileString(folder.ProfilePath(), section, key); };
        EXPECT_EQ(value(L"LastWindowLeft"), std::to_wstring((20 + 30 * i) * twips)) << "widget " << i + 1;
        EXPECT_EQ(value(L"LastWindowTop"), std::to_wstring((40 + 20 * i) * twips)) << "widget " << i + 1;
        EXPECT_EQ(value(L"LastWindowBorder"), std::to_wstring((i + 1) % 2)) << "widget " << i + 1;
        EXPECT_EQ(value(L"PimmoName"), L"kid" + std::to_wstring(i + 1));
        EXPECT_EQ(value(L"LockSetting"), L"") << "widget " << i + 1 << " left its lock";
    }
}

}  // namespace
}  // namespace photo_e2e
