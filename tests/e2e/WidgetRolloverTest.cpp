// A widget running across midnight: its caption counts the new day, and the new day's
// anniversary is announced once. Runs in its own lane under a shifted clock (faketime, a few
// seconds before midnight); in the ordinary e2e lane it is skipped.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/PhotoFixture.h"

namespace photo_e2e {
namespace {

bool UnderShiftedClock() {
    wchar_t flag[8] = {};
    return GetEnvironmentVariableW(L"PIMMO_ROLLOVER", flag, 8) > 0;
}

using WidgetRollover = PhotoWidget;

TEST_F(WidgetRollover, CaptionCountsTheNewDayAndItsMilestoneIsAnnouncedOnce) {
    if (!UnderShiftedClock())
        GTEST_SKIP() << "runs in the rollover lane, a few seconds before midnight";
    SYSTEMTIME now{};
    GetLocalTime(&now);
    ASSERT_EQ(now.wHour, 23) << "the lane starts the clock just before midnight";
    Picture(L"kid.bmp", photo_test::QuadrantBmp(40, 30));
    WriteSetting({{"PimmoBirthDay", DaysAgo(98)}});  // today day 99, tomorrow day 100
    HWND window = Start();
    ASSERT_TRUE(window);
    EXPECT_EQ(Utf8(e2e::WindowText(window)), std::string(kName) + "が生まれてから今日で99日");
    EXPECT_TRUE(NoMessageBoxFor(500)) << "day 99 is no milestone";

    std::optional<e2e::MessageBoxView> message = e2e::WaitForMessageBox(m_process->Pid(), 40000);
    ASSERT_TRUE(message) << "no message on the 100th day";
    EXPECT_EQ(Utf8(message->text), std::string("今日は") + kName + "の誕生から100日めの日です");
    EXPECT_EQ(Utf8(e2e::WindowText(window)), std::string(kName) + "が生まれてから今日で100日");
    e2e::PressButton(message->window, L"OK");
    EXPECT_TRUE(e2e::WaitWindowGone(message->window));
    EXPECT_TRUE(NoMessageBoxFor(3000)) << "the day is announced once";
    Close(window);
}

}  // namespace
}  // namespace photo_e2e
