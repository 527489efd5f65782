// A birthday missed is announced once at the next start; its own lane's clock is 2030-06-13.
#include "tests/e2e/support/PhotoFixture.h"

namespace photo_e2e {
namespace {

using WidgetMissedMilestone = PhotoWidget;

TEST_F(WidgetMissedMilestone, ABirthdayMissedIsAnnouncedOnceAtTheNextStart) {
    wchar_t flag[8] = {};
    if (GetEnvironmentVariableW(L"PIMMO_MISSED", flag, 8) == 0)
        GTEST_SKIP() << "runs in its own lane, under a clock three days after the birthday";
    ASSERT_EQ(DaysAgo(0), "2030/06/13");
    Picture(L"kid.bmp", photo_test::QuadrantBmp(40, 30));
    WriteSetting({{"PimmoBirthDay", "2029/06/10"}, {"LastRunDay", "2030/06/06"}});
    HWND window = Start();
    std::optional<e2e::MessageBoxView> message = e2e::WaitForMessageBox(m_process->Pid(), 10000);
    ASSERT_TRUE(message) << "the missed birthday was not announced";
    EXPECT_EQ(Utf8(message->text), std::string("3日前は") + kName + "の1歳のお誕生日でした");
    e2e::PressButton(message->window, L"OK");
    EXPECT_TRUE(e2e::WaitWindowGone(message->window));  // the press is posted: the box may linger a moment
    EXPECT_TRUE(NoMessageBoxFor(1500)) << "one message per start";
    EXPECT_EQ(Value("LastRunDay"), "2030/06/13");
    Close(window);
    window = Start();
    EXPECT_TRUE(NoMessageBoxFor(3000)) << "a second start that day has missed nothing";
    Close(window);
}

}  // namespace
}  // namespace photo_e2e
