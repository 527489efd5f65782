#include "tests/e2e/support/PhotoFixture.h"

using namespace photo_e2e;
using namespace photo_test;

namespace {

class PhotoMessage : public PhotoWidget {
protected:
    void ExpectMessage(const std::string& birthday, const std::string& text) {
        Picture(L"kid.bmp", QuadrantBmp(160, 120));
        WriteSetting({{"PimmoBirthDay", birthday}});
        HWND window = Start();
        auto box = e2e::WaitForMessageBox(m_process->Pid());
        ASSERT_TRUE(box) << "no message on " << text;
        EXPECT_EQ(Utf8(box->text), text);
        EXPECT_EQ(Utf8(box->caption), "Pimmo for Windows");
        EXPECT_EQ(box->icon, e2e::MessageIcon::None);
        EXPECT_EQ(box->buttons, std::vector<std::wstring>{L"OK"});
        EXPECT_TRUE(IsWindowVisible(window)) << "the photo is shown first";
        e2e::PressButton(box->window, L"OK");
        EXPECT_TRUE(e2e::WaitWindowGone(box->window));
        EXPECT_TRUE(m_process->IsRunning()) << "the widget stays after the message";
        Close(window);
    }
};

TEST_F(PhotoMessage, HundredthDayIsAnnounced) {
    ExpectMessage(DaysAgo(99), "今日はたろうの誕生から100日めの日です");
}

TEST_F(PhotoMessage, FirstBirthdayIsAnnounced) {
    std::string birthday = YearsAgo(1);
    if (birthday.empty())
        GTEST_SKIP() << "no birthday a year ago on 29 February";
    ExpectMessage(birthday, "今日はたろうの1歳のお誕生日です");
}

TEST_F(PhotoMessage, OrdinaryDayHasNoMessage) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting({{"PimmoBirthDay", DaysAgo(101)}});
    HWND window = Start();
    EXPECT_EQ(Utf8(e2e::WindowText(window)), "たろうが生まれてから今日で102日");
    EXPECT_TRUE(NoMessageBoxFor(2000));
    Close(window);
}

TEST_F(PhotoMessage, MessageBoxIsClosedWhenTheSessionEnds) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting({{"PimmoBirthDay", DaysAgo(9)}});
    HWND window = Start();
    ASSERT_TRUE(e2e::WaitForMessageBox(m_process->Pid()));
    ASSERT_TRUE(EndSession(window));
    ASSERT_TRUE(m_process->WaitExit()) << "a pending message must not keep the widget alive";
    EXPECT_EQ(Value("LockSetting"), "");
}

}  // namespace
