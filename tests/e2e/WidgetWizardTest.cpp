// The options dialog as the wizard of "/I": its controls, its refusals, and a setting made
// through it that is complete in the file with the lock released.
#include "tests/e2e/support/OptionsDriver.h"
#include "tests/e2e/support/PhotoFixture.h"
#include "widget/win/PimmoResource.h"

using namespace photo_e2e;
using namespace photo_test;
using namespace options_e2e;

namespace {

class WidgetWizard : public PhotoWidget {
protected:
    HWND StartEdit() {
        m_process.emplace(e2e::Process::Start(m_folder.Exe(L"pimmo.exe"), L"/I3"));
        HWND dialog = WaitForOptionsDialog(m_process->Pid());
        EXPECT_TRUE(dialog) << "no wizard";
        return dialog;
    }

    // Presses the button and expects the message box; answers it.
    void ExpectRefusal(HWND dialog, int button, const std::string& text, e2e::MessageIcon icon) {
        e2e::PressButtonId(dialog, button);
        auto box = e2e::WaitForMessageBox(m_process->Pid());
        ASSERT_TRUE(box) << text;
        EXPECT_EQ(Utf8(box->caption), "Pimmo for Windows");
        EXPECT_EQ(Utf8(box->text), text);
        EXPECT_EQ(box->icon, icon);
        e2e::PressButton(box->window, L"OK");
        ASSERT_TRUE(e2e::WaitWindowGone(box->window));
        EXPECT_TRUE(IsWindowVisible(dialog)) << "the wizard stays open";
    }
};

int YearsSince1980() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear - 1980 + 1;
}

void ExpectWizardLayout(HWND dialog) {
    for (int id : {IDC_CommandOK, IDC_CommandCancel})
        EXPECT_FALSE(IsShown(dialog, id)) << id;
    for (int id : {IDC_CommandNext, IDC_CommandSelectPicture, IDC_PimmoName, IDC_PimmoPictureSize})
        EXPECT_TRUE(IsShown(dialog, id)) << id;
    EXPECT_EQ(e2e::WindowText(GetDlgItem(dialog, IDC_CommandNext)), L"設定完了");
    EXPECT_EQ(e2e::WindowText(GetDlgItem(dialog, IDC_CommandSelectPicture)), L"画像の選択");
    EXPECT_EQ(EntryCount(dialog, IDC_PimmoBirthYear), YearsSince1980());
    EXPECT_EQ(EntryText(dialog, IDC_PimmoBirthYear, 0), L"1980");
    EXPECT_EQ(EntryCount(dialog, IDC_PimmoBirthMonth), 12);
    EXPECT_EQ(EntryCount(dialog, IDC_PimmoBirthDay), 31);
    EXPECT_EQ(EntryText(dialog, IDC_PimmoStretchMode, 2), L" 幅と高さの長いほう");
    EXPECT_EQ(EntryCount(dialog, IDC_PimmoPictureSize), 7);
    // A new setting: named Pimmo, not scaled (so the size controls wait disabled), no picture.
    EXPECT_EQ(e2e::WindowText(GetDlgItem(dialog, IDC_PimmoName)), L"Pimmo");
    EXPECT_EQ(e2e::WindowText(GetDlgItem(dialog, IDC_PimmoPictureSize)), L"160");
    EXPECT_EQ(SelectedEntry(dialog, IDC_PimmoStretchMode), 2);
    EXPECT_FALSE(IsEnabled(dialog, IDC_PimmoStretchMode));
    EXPECT_FALSE(IsEnabled(dialog, IDC_PimmoPictureSize));
    EXPECT_EQ(e2e::WindowText(GetDlgItem(dialog, IDC_LabelPictureFile)), L"未設定");
}

TEST_F(WidgetWizard, EditModeMakesANewSettingThroughTheWizard) {
    std::wstring picture = Picture(L"kid.bmp", QuadrantBmp(320, 240));
    HWND dialog = StartEdit();
    ASSERT_TRUE(dialog);
    ExpectWizardLayout(dialog);
    // Without a picture only the picture is asked for, even with the name emptied too.
    SetText(GetDlgItem(dialog, IDC_PimmoName), L"");
    ExpectRefusal(dialog, IDC_CommandNext, "子供の写真を設定してください", e2e::MessageIcon::None);
    e2e::PressButtonId(dialog, IDC_CommandSelectPicture);
    ASSERT_TRUE(ChooseFile(m_process->Pid(), picture));
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::WindowText(GetDlgItem(dialog, IDC_LabelPictureFile)) == picture; }));
    EXPECT_EQ(Value("PictureFile"), Utf8(picture)) << "the chosen picture is saved at once";
    EXPECT_EQ(Value("LockSetting"), "locked");
    ExpectRefusal(dialog, IDC_CommandNext, "子供の名前を指定してください", e2e::MessageIcon::Exclamation);
    SetText(GetDlgItem(dialog, IDC_PimmoName), L"はなこ");
    SelectEntry(dialog, IDC_PimmoBirthYear, 18);
    SelectEntry(dialog, IDC_PimmoBirthMonth, 3);
    SelectEntry(dialog, IDC_PimmoBirthDay, 6);
    e2e::PressButtonId(dialog, IDC_PimmoIsPhotoStretch);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsEnabled(dialog, IDC_PimmoPictureSize); })) << "scaling enables the size";
    SelectEntry(dialog, IDC_PimmoStretchMode, 0);
    SetText(GetDlgItem(dialog, IDC_PimmoPictureSize), L"79");
    ExpectRefusal(dialog, IDC_CommandNext, "80ピクセル以下の数値は指定できません", e2e::MessageIcon::Exclamation);
    SetText(GetDlgItem(dialog, IDC_PimmoPictureSize), L"240");
    e2e::PressButtonId(dialog, IDC_CommandNext);
    ASSERT_EQ(m_process->WaitExit(), 0u);
    m_process.reset();
    const std::pair<const char*, std::string> kExpected[] = {
        {"LockSetting", ""},
        {"PimmoName", "はなこ"},
        {"PimmoBirthDay", "1998/04/07"},
        {"PictureFile", Utf8(picture)},
        {"IsStretched", "1"},
        {"PictureSize", "240"},
        {"StretchMode", "0"},
        {"IsStretchBmpCashed", "0"},
        {"WindowPosition", "0"},
        {"LastWindowBorder", "1"},
        {"LastWindowTop", "0"},
        {"LastWindowLeft", "0"},
    };
    for (const auto& [key, value] : kExpected)
        EXPECT_EQ(Value(key), value) << key;
}

// An ordinary start of a setting that does not exist yet runs the wizard before any photo
// window shows; the photo then appears with the chosen picture.
TEST_F(WidgetWizard, OrdinaryStartOfANewSettingRunsTheWizardFirst) {
    std::wstring picture = Picture(L"kid.bmp", QuadrantBmp(200, 100));
    m_process.emplace(e2e::Process::Start(m_folder.Exe(L"pimmo.exe"), L"/S3"));
    HWND dialog = WaitForOptionsDialog(m_process->Pid());
    ASSERT_TRUE(dialog) << "no wizard";
    EXPECT_FALSE(IsShown(dialog, IDC_CommandOK));
    for (HWND window : e2e::TopLevelWindows(m_process->Pid()))
        EXPECT_NE(e2e::ClassName(window), kBordered) << "no photo before the wizard ends";
    e2e::PressButtonId(dialog, IDC_CommandSelectPicture);
    ASSERT_TRUE(ChooseFile(m_process->Pid(), picture));
    e2e::PressButtonId(dialog, IDC_CommandNext);
    HWND window = WaitForPhotoWindow(m_process->Pid());
    ASSERT_TRUE(window);
    EXPECT_EQ(e2e::ClassName(window), kBordered);
    SIZE inner = Size(InnerRect(window));
    EXPECT_EQ(inner.cx, 200);
    EXPECT_EQ(inner.cy, 100);
    EXPECT_EQ(Value("LockSetting"), "locked");
    Close(window);
    EXPECT_EQ(Value("PimmoName"), "Pimmo");
    EXPECT_EQ(Value("PictureFile"), Utf8(picture));
}

// The session may end while the wizard of "/I" is open: the hidden, never placed photo windows
// stand at the screen origin, which is no place of the setting, so the stored place stays.
TEST_F(WidgetWizard, SessionEndDuringTheWizardKeepsTheStoredPlace) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting();
    HWND dialog = StartEdit();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(e2e::WindowText(GetDlgItem(dialog, IDC_PimmoName)), L"たろう");
    HWND hidden = nullptr;
    for (HWND window : e2e::TopLevelWindows(m_process->Pid(), false))
        if (e2e::ClassName(window) == kBorderless)
            hidden = window;
    ASSERT_TRUE(hidden);
    ASSERT_TRUE(EndSession(hidden));
    ASSERT_TRUE(m_process->WaitExit());
    m_process.reset();
    EXPECT_EQ(Value("LockSetting"), "");
    EXPECT_EQ(Value("LastWindowTop"), "1500");
    EXPECT_EQ(Value("LastWindowLeft"), "3000");
    EXPECT_EQ(Value("LastWindowBorder"), "1");
    EXPECT_EQ(Value("PimmoName"), "たろう");
}

}  // namespace
