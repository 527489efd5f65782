#include <gtest/gtest.h>

#include "tests/e2e/support/E2e.h"
#include "tests/e2e/support/HouseDriver.h"
#include "tests/e2e/support/PhotoPictures.h"

using namespace e2e;
using namespace house_e2e;

namespace {

class House : public testing::Test {
protected:
    // The unnumbered setting, 3 and 7 idle, 5 locked; listed 3, 5, 7.
    void SetUp() override {
        WriteSettings({{0, "Zero", "", ""}, {3, "Taro", "", ""}, {5, "Goro", "locked", ""}, {7, "Nana", "", ""}},
                      {3, 5, 7});
    }
    void TearDown() override { EndWidgets(WidgetProcessesShowingPhotos(m_folder.Path())); }

    void WriteSettings(const std::vector<TestSetting>& settings, const std::vector<int>& listed) {
        const std::wstring picture = m_folder.File(L"kid.bmp");
        photo_test::WriteFileBytes(picture, photo_test::QuadrantBmp(64, 48));
        WriteHouseProfile(m_folder.ProfilePath(), picture, settings, listed);
    }

    Process Start(const std::wstring& arguments) { return Process::Start(m_folder.Exe(L"house.exe"), arguments); }

    std::wstring Value(const std::wstring& section, const std::wstring& key) {
        return ReadProfileString(m_folder.ProfilePath(), section, key);
    }

    // Waits for house's message box, checks it and answers it with the button.
    void Answer(const Process& house, const std::wstring& text, int button) {
        auto box = WaitForMessageBox(house.Pid());
        ASSERT_TRUE(box) << "no message box";
        EXPECT_EQ(box->caption, kHouseTitle);
        EXPECT_EQ(box->text, text);
        EXPECT_TRUE(PressButtonId(box->window, button));
        // The press is posted: the next box looked for must not be this one, still closing.
        EXPECT_TRUE(WaitWindowGone(box->window)) << "the message box stayed";
    }

    // Runs house with the arguments, answers its one message box, and waits for its end.
    void RunAnswering(const std::wstring& arguments, const std::wstring& text, int button) {
        Process house = Start(arguments);
        Answer(house, text, button);
        EXPECT_TRUE(house.WaitExit()) << "house did not end";
    }

    ProgramFolder m_folder;
};

constexpr int kHelpText = 1101;  // the help viewer's text
const std::wstring kReleaseQuestion = L"起動ロックの強制解除を行います\r\nよろしいですか";
const std::wstring kResetQuestion = L"すべてのPimmoウィンドウの位置を原点にリセットします\r\nよろしいですか";

// The splash: no caption, house's name and version; it goes by itself and the idle listed
// settings start, the locked and the unnumbered one do not. A second house is refused meanwhile.
TEST_F(House, StartAllShowsTheSplashThenStartsEachIdleListedWidget) {
    Process house = Start(L"");
    HWND splash = WaitForWindow(house.Pid(), [](HWND window) { return GetDlgItem(window, 1203) != nullptr; });
    ASSERT_TRUE(splash) << "no splash";
    EXPECT_EQ(GetWindowLongW(splash, GWL_STYLE) & WS_CAPTION, 0) << "the splash has a title bar";
    EXPECT_EQ(WindowText(GetDlgItem(splash, 1202)), kHouseTitle);
    EXPECT_EQ(WindowText(GetDlgItem(splash, 1203)), L"Version 1.11");

    Process second = Start(L"/r");
    Answer(second, L"二重起動できません", IDOK);
    EXPECT_EQ(second.WaitExit(), 1u);
    EXPECT_EQ(Value(L"Pimmo5", L"LockSetting"), L"locked") << "the refused manager released the locks";

    EXPECT_TRUE(WaitWindowGone(splash, 6000)) << "the splash did not close by itself";
    EXPECT_EQ(house.WaitExit(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return WidgetProcessesShowingPhotos(m_folder.Path()).size() >= 2; }));
    Sleep(1000);  // a wrongly started third widget would show its photo by now
    EXPECT_EQ(WidgetProcessesShowingPhotos(m_folder.Path()).size(), 2u);
    EXPECT_EQ(Value(L"Pimmo3", L"LockSetting"), L"locked");
    EXPECT_EQ(Value(L"Pimmo7", L"LockSetting"), L"locked");
    EXPECT_EQ(Value(L"Pimmo", L"LockSetting"), L"") << "the unnumbered setting was started";
}

TEST_F(House, ReleaseAndResetAskFirstAndResetRefusesWhileAWidgetRuns) {
    const std::string before = ReadFileBytes(m_folder.ProfilePath());
    RunAnswering(L"/r", kReleaseQuestion, IDNO);
    RunAnswering(L"/P", L"すべてのPimmoウィンドウを閉じてから再実行してください", IDOK);
    EXPECT_EQ(ReadFileBytes(m_folder.ProfilePath()), before) << "a declined or refused mode wrote";

    RunAnswering(L"/R", kReleaseQuestion, IDYES);
    EXPECT_EQ(Value(L"Pimmo5", L"LockSetting"), L"");
    RunAnswering(L"/p", kResetQuestion, IDNO);
    EXPECT_EQ(Value(L"Pimmo3", L"LastWindowTop"), L"1500");
    RunAnswering(L"/p", kResetQuestion, IDYES);
    for (const wchar_t* section : {L"Pimmo3", L"Pimmo5", L"Pimmo7"}) {
        EXPECT_EQ(Value(section, L"LastWindowTop"), L"0") << section;
        EXPECT_EQ(Value(section, L"LastWindowLeft"), L"0") << section;
    }
    EXPECT_EQ(Value(L"Pimmo", L"LastWindowTop"), L"1500") << "the unnumbered setting was moved";
}

// A list that cannot be read ends house with its message, before any window and any write.
TEST_F(House, AnUnreadableListEndsHouseBeforeAnyWindow) {
    WriteFileBytes(m_folder.ProfilePath(), "[PimmoHouse]\r\nNumbersOfSettings=3\r\nSetting1=3\r\nSetting2=5\r\n");
    const std::string before = ReadFileBytes(m_folder.ProfilePath());
    Process house = Start(L"/S");
    auto box = WaitForMessageBox(house.Pid());
    ASSERT_TRUE(box) << "no message box";
    EXPECT_EQ(box->caption, kHouseTitle);
    EXPECT_EQ(box->icon, MessageIcon::Error);
    EXPECT_NE(box->text.find(L"Setting3"), std::wstring::npos) << "the message does not name the key";
    EXPECT_EQ(WaitForManagerWindow(house.Pid(), 0), nullptr);
    PressButtonId(box->window, IDOK);
    EXPECT_EQ(house.WaitExit(), 2u);
    EXPECT_EQ(ReadFileBytes(m_folder.ProfilePath()), before);
}

// The manager window lists the settings, refuses to change a running one, deletes only after
// Yes, and stays disabled but responsive while the widget it started runs.
TEST_F(House, ManagerWindowListsChangesAndDeletes) {
    // Setting 9 cannot be loaded: "pimmo /i9" stays with its error message until it is answered.
    WriteSettings({{3, "Taro", "", ""}, {5, "Goro", "locked", ""}, {9, "Kuro", "", "LastWindowTop=abc"}}, {3, 5, 9});
    Process house = Start(L"/s");
    HWND form = WaitForManagerWindow(house.Pid());
    ASSERT_TRUE(form);
    EXPECT_EQ(GetWindowLongW(form, GWL_STYLE) & WS_SYSMENU, 0) << "the window has a control box";
    EXPECT_NE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0) << "no task-bar button";
    EXPECT_EQ(ListLines(form),
              (std::vector<std::wstring>{ExpectedCaption("Taro"), ExpectedCaption("Goro"), ExpectedCaption("Kuro")}));

    PressButtonId(form, kCommandSetting);
    Answer(house, L"設定変更する項目を選んでください", IDOK);
    SendDlgItemMessageW(form, kSettingListBox, LB_SETCURSEL, 1, 0);
    PressButtonId(form, kCommandSetting);
    Answer(house, L"選択した設定は起動しています\r\n終了してから設定を変更してください", IDOK);
    PressButtonId(form, kCommandDelete);
    Answer(house, L"選択した設定は起動しています\r\n終了してから設定を削除してください", IDOK);

    SendDlgItemMessageW(form, kSettingListBox, LB_SETCURSEL, 2, 0);
    PressButtonId(form, kCommandSetting);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(form); })) << "the window took input while the widget ran";
    HWND listBox = GetDlgItem(form, kSettingListBox);
    RedrawWindow(listBox, nullptr, nullptr, RDW_INVALIDATE);
    EXPECT_TRUE(WaitUntil([&] { return !GetUpdateRect(listBox, nullptr, FALSE); }, 5000)) << "no repaint while waiting";
    EXPECT_TRUE(WaitUntil([&] { return !WidgetDialogs(m_folder.Path()).empty(); })) << "the widget ended early";
    EXPECT_FALSE(IsWindowEnabled(form)) << "the window took input while the widget ran";
    DWORD_PTR ignored = 0;
    EXPECT_NE(SendMessageTimeoutW(form, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored), 0u) << "no answer";
    // The widget's own error box: answered, the widget ends and the window takes input again.
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND window : WidgetDialogs(m_folder.Path()))
            PressButtonId(window, IDOK);
        return IsWindowEnabled(form);
    })) << "the window stayed disabled";

    SendDlgItemMessageW(form, kSettingListBox, LB_SETCURSEL, 0, 0);
    PressButtonId(form, kCommandDelete);
    Answer(house, L"選択した項目を削除します\r\nよろしいですか", IDNO);
    EXPECT_EQ(ListLines(form).size(), 3u);
    PressButtonId(form, kCommandDelete);
    Answer(house, L"選択した項目を削除します\r\nよろしいですか", IDYES);
    EXPECT_TRUE(WaitUntil([&] { return ListLines(form).size() == 2; })) << "the line was not removed";
    EXPECT_EQ(ListLines(form), (std::vector<std::wstring>{ExpectedCaption("Goro"), ExpectedCaption("Kuro")}));
    EXPECT_EQ(Value(L"PimmoHouse", L"NumbersOfSettings"), L"2");
    EXPECT_EQ(Value(L"PimmoHouse", L"Setting1"), L"5");
    const std::wstring name = Value(L"Pimmo3", L"PimmoName");
    EXPECT_TRUE(name.empty() || name == L"<absent>") << "the widget did not empty the setting";

    PressButtonId(form, kCommandOK);
    EXPECT_EQ(house.WaitExit(), 0u);
}

// Help opens topic 100 of pimmo.hlp beside the programs; without the file a message names it.
TEST_F(House, HelpShowsTheManagersTopicOrNamesTheMissingFile) {
    Process house = Start(L"/S");
    HWND form = WaitForManagerWindow(house.Pid());
    ASSERT_TRUE(form);
    PressButtonId(form, kCommandHelp);
    Answer(house, L"ヘルプファイルが見つかりません\r\n" + m_folder.File(L"pimmo.hlp"), IDOK);

    ASSERT_TRUE(CopyFileW((BinDir() + L"\\widget\\pimmo.hlp").c_str(), m_folder.File(L"pimmo.hlp").c_str(), FALSE));
    PressButtonId(form, kCommandHelp);
    HWND viewer = WaitForWindow(house.Pid(), [](HWND window) { return GetDlgItem(window, kHelpText) != nullptr; });
    ASSERT_TRUE(viewer) << "no help viewer";
    EXPECT_EQ(WindowText(viewer), L"Pimmoハウス の使い方");
    EXPECT_FALSE(WindowText(GetDlgItem(viewer, kHelpText)).empty());
    PressButtonId(viewer, IDOK);
    EXPECT_TRUE(WaitWindowGone(viewer));
    PressButtonId(form, kCommandOK);
    EXPECT_EQ(house.WaitExit(), 0u);
}

}  // namespace
