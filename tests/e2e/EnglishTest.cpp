// An English Windows (the "english" lane, PIMMO_LANG=en): the widget, house and pruvo speak
// English and show no Japanese character; a setting's profile is the same byte for byte in
// both languages (SameProfile runs in the Japanese lane too).
#include "tests/e2e/support/HouseDriver.h"
#include "tests/e2e/support/OptionsDriver.h"
#include "tests/e2e/support/PhotoFixture.h"
#include "tests/e2e/support/PruvoDriver.h"
#include "widget/win/PimmoResource.h"

using namespace photo_e2e;
using namespace photo_test;
using namespace options_e2e;

namespace {

const std::initializer_list<UINT> kOption = {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN};
const std::initializer_list<UINT> kAbout = {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN};

// Hiragana, katakana, kanji and the full-width forms.
bool HasJapanese(const std::wstring& text) {
    for (wchar_t c : text)
        if ((c >= 0x3040 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF))
            return true;
    return false;
}

std::string Text8(const std::wstring& text) {
    std::string out(text.size() * 3, '\0');
    out.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                       out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

// The window's caption and every control's text, none of them Japanese.
void ExpectNoJapanese(HWND window) {
    EXPECT_FALSE(HasJapanese(e2e::WindowText(window))) << Text8(e2e::WindowText(window));
    for (HWND child : e2e::ChildWindows(window))
        EXPECT_FALSE(HasJapanese(e2e::WindowText(child))) << Text8(e2e::WindowText(child));
}

class EnglishWidget : public PhotoWidget {
protected:
    DWORD Pid() const { return m_process->Pid(); }
};

TEST_F(EnglishWidget, CaptionMilestoneMenuOptionsAndAboutAreEnglish) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting({{"PimmoName", "Hana"}, {"PimmoBirthDay", DaysAgo(99)}});
    m_process.emplace(e2e::Process::Start(m_folder.Exe(L"pimmo.exe"), L"/S3"));
    auto box = e2e::WaitForMessageBox(Pid());
    ASSERT_TRUE(box) << "no milestone message";
    EXPECT_EQ(box->text, L"Today is Hana's 100th day!");
    e2e::PressButton(box->window, L"OK");
    HWND window = WaitForPhotoWindow(Pid());
    ASSERT_TRUE(window);
    EXPECT_EQ(e2e::WindowText(window), L"Hana: day 100");

    ASSERT_TRUE(RunMenu(Pid(), PhotoControl(window), kOption));
    HWND dialog = WaitForDialog(Pid(), L"Pimmo for Windows Options");
    ASSERT_TRUE(dialog) << "no English options dialog";
    ExpectNoJapanese(dialog);
    EXPECT_EQ(e2e::WindowText(GetDlgItem(dialog, IDC_CommandCancel)), L"Cancel");
    EXPECT_EQ(EntryText(dialog, IDC_PimmoStretchMode, 2), L"longer side");
    EXPECT_EQ(EntryText(dialog, IDC_PimmoPictureOrder, 1), L"Newest photo in the folder");
    EXPECT_EQ(EntryText(dialog, IDC_PimmoPictureOrder, 3), L"A photo from this day in past years");
    e2e::PressButtonId(dialog, IDC_CommandCancel);
    ASSERT_TRUE(e2e::WaitWindowGone(dialog));

    // Wine cannot read another process's menu: the English About box, opened through it, and
    // the menu's texts in the catalogue test stand for it.
    ASSERT_TRUE(RunMenu(Pid(), PhotoControl(window), kAbout));
    HWND about = WaitForDialog(Pid(), L"About Pimmo");
    ASSERT_TRUE(about) << "no English About box";
    ExpectNoJapanese(about);
    e2e::PressButtonId(about, IDOK);
    ASSERT_TRUE(e2e::WaitWindowGone(about));
    Close(window);
}

// Written the same in both lanes: the profile does not depend on the language.
class SameProfile : public PhotoWidget {};

TEST_F(SameProfile, InEveryLanguage) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting({{"PimmoName", "Hana"}, {"PimmoBirthDay", "2020/05/17"}});
    Close(Start());
    EXPECT_EQ(e2e::ReadFileBytes(m_folder.ProfilePath()),
              "[PIMMO3]\r\nLockSetting=\r\nWindowPosition=0\r\nPictureFile=" + Utf8(m_folder.File(L"kid.bmp")) +
                  "\r\nLastWindowTop=1500\r\n"
                  "LastWindowLeft=3000\r\nLastWindowBorder=1\r\nPimmoName=Hana\r\nPimmoBirthDay=2020/05/17\r\n"
                  "IsStretched=0\r\nPictureSize=160\r\nStretchMode=2\r\nIsStretchBmpCashed=0\r\nLastRunDay=" +
                  DaysAgo(0) + "\r\n");
}

TEST(EnglishHouse, ManagerWindowIsEnglish) {
    e2e::ProgramFolder folder;
    const std::wstring picture = folder.File(L"kid.bmp");
    WriteFileBytes(picture, QuadrantBmp(64, 48));
    house_e2e::WriteHouseProfile(folder.ProfilePath(), picture, {{3, "Taro", "", ""}}, {3});
    e2e::Process house = e2e::Process::Start(folder.Exe(L"house.exe"), L"/S");
    HWND form = e2e::WaitForWindow(house.Pid(), [](HWND window) {
        return e2e::WindowText(window) == L"Pimmo House" && GetDlgItem(window, house_e2e::kSettingListBox);
    });
    ASSERT_TRUE(form) << "no English manager window";
    ExpectNoJapanese(form);
    const auto lines = house_e2e::ListLines(form);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind(L"Taro (born ", 0), 0u) << Text8(lines[0]);
    EXPECT_FALSE(HasJapanese(lines[0]));
    e2e::PressButtonId(form, house_e2e::kCommandOK);
    EXPECT_TRUE(house.WaitExit());
}

TEST(EnglishPruvo, DialogAndMessageAreEnglish) {
    e2e::pruvo::CheckerRun run;
    e2e::Process pruvo = run.Start();
    HWND dialog = e2e::pruvo::WaitForMainDialog(pruvo.Pid());
    ASSERT_TRUE(dialog);
    ExpectNoJapanese(dialog);
    HWND list = e2e::ControlById(dialog, e2e::pruvo::kList1);
    EXPECT_EQ(e2e::pruvo::ColumnTitles(list, 2), (std::vector<std::wstring>{L"Runtime", L"Status"}));
    for (const auto& row : e2e::ListViewRows(list, 2))
        EXPECT_FALSE(HasJapanese(row[0] + row[1])) << Text8(row[0] + L" " + row[1]);
    e2e::PressButtonId(dialog, e2e::pruvo::kDetailsButton);
    auto box = e2e::WaitForMessageBox(pruvo.Pid());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, L"Please select the runtime whose details you want to see.");
    e2e::PressButtonId(box->window, IDOK);
    ASSERT_TRUE(e2e::WaitWindowGone(box->window));
    e2e::PressButtonId(dialog, IDOK);
    EXPECT_TRUE(pruvo.WaitExit());
}

}  // namespace
