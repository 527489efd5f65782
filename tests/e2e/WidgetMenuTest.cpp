// The photo's context menu and its commands, driven through the real menu of a running widget.
#include "tests/e2e/support/OptionsDriver.h"
#include "tests/e2e/support/PhotoFixture.h"
#include "widget/win/PimmoResource.h"

using namespace photo_e2e;
using namespace photo_test;
using namespace options_e2e;

namespace {

// Places in the menu: ファイル (画像を開く, 終了), 設定 (frame item, オプション), ヘルプ, バージョン情報.
const std::initializer_list<UINT> kOpen = {VK_DOWN, VK_RIGHT, VK_RETURN};
const std::initializer_list<UINT> kQuit = {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN};
const std::initializer_list<UINT> kFrame = {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN};
const std::initializer_list<UINT> kOption = {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN};
const std::initializer_list<UINT> kHelp = {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN};
const std::initializer_list<UINT> kAbout = {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN};

class WidgetMenu : public PhotoWidget {
protected:
    DWORD Pid() const { return m_process->Pid(); }

    HWND OpenOptions(HWND window) {
        EXPECT_TRUE(RunMenu(Pid(), PhotoControl(window), kOption));
        HWND dialog = WaitForOptionsDialog(Pid());
        EXPECT_TRUE(dialog) << "no options dialog";
        return dialog;
    }

    // The photo's inner size once it has settled.
    bool WaitInnerSize(HWND window, SIZE size) {
        return e2e::WaitUntil([&] {
            SIZE now = Size(InnerRect(window));
            return now.cx == size.cx && now.cy == size.cy;
        });
    }

    static bool WaitOnTop(HWND window) {
        return e2e::WaitUntil([&] { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; });
    }

    // A visible window of the process that is no photo window and no menu: a dialog.
    HWND WaitForOtherDialog() {
        return e2e::WaitForWindow(Pid(), [](HWND window) { return e2e::ClassName(window) == L"#32770"; });
    }
};

TEST_F(WidgetMenu, OnlyTheRightButtonOpensTheMenuAndTheFrameItemSwitchesTheWindow) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting();
    HWND bordered = Start();
    PostMessageW(PhotoControl(bordered), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(WaitForMenu(Pid(), 1, 1000)) << "the middle button shows nothing";
    ASSERT_TRUE(RunMenu(Pid(), PhotoControl(bordered), kFrame));
    HWND borderless = e2e::WaitForWindowClass(Pid(), kBorderless);
    ASSERT_TRUE(borderless) << "the frame item makes the borderless window current";
    EXPECT_TRUE(e2e::WaitWindowGone(bordered));
    EXPECT_EQ(Value("LastWindowBorder"), "1") << "switching saves nothing";
    ASSERT_TRUE(RunMenu(Pid(), PhotoControl(borderless), kFrame));
    ASSERT_TRUE(e2e::WaitForWindowClass(Pid(), kBordered)) << "and back";
    SetWindowPos(bordered, nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(RunMenu(Pid(), PhotoControl(bordered), kQuit));
    ASSERT_EQ(m_process->WaitExit(), 0u) << "終了 ends the widget";
    m_process.reset();
    EXPECT_EQ(Value("LockSetting"), "");
    EXPECT_EQ(Value("LastWindowLeft"), std::to_string(300 * TwipsPerPixel())) << "saved with the window's place";
    EXPECT_EQ(Value("LastWindowTop"), std::to_string(250 * TwipsPerPixel()));
}

// A profile that cannot be written: 終了 tells which file did not take the window's place, and
// the file stays byte for byte as it was, with no temporary file beside it.
TEST_F(WidgetMenu, QuitOnAReadOnlyProfileNamesTheFileAndChangesNothing) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting();
    HWND bordered = Start();
    const std::wstring profile = m_folder.ProfilePath();
    ASSERT_TRUE(e2e::WaitUntil([&] { return Value("LockSetting") == "locked"; }));
    ASSERT_TRUE(SetFileAttributesW(profile.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string before = e2e::ReadFileBytes(profile);
    SetWindowPos(bordered, nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(RunMenu(Pid(), PhotoControl(bordered), kQuit));
    const auto box = e2e::WaitForMessageBox(Pid());
    ASSERT_TRUE(box) << "the failed save was not told";
    EXPECT_NE(box->text.find(profile.substr(profile.rfind(L'\\') + 1)), std::wstring::npos) << "names the file";
    EXPECT_NE(box->text.find(L"ウィンドウの位置"), std::wstring::npos) << "names what was not saved";
    EXPECT_EQ(box->icon, e2e::MessageIcon::Exclamation);
    e2e::PressButton(box->window, L"OK");
    ASSERT_EQ(m_process->WaitExit(), 0u) << "終了 still ends the widget";
    m_process.reset();
    EXPECT_EQ(e2e::ReadFileBytes(profile), before);
    EXPECT_FALSE(e2e::FileExists(profile + L".tmp"));
}

TEST_F(WidgetMenu, OptionsConfirmedRescaleInPlaceAndCancelledChangeNothing) {
    Picture(L"kid.bmp", QuadrantBmp(320, 240));
    WriteSetting({{"IsStretched", "1"}, {"PictureSize", "160"}, {"WindowPosition", "1"}});
    HWND window = Start();
    ASSERT_TRUE(WaitInnerSize(window, {160, 120}));
    EXPECT_TRUE(WaitOnTop(window)) << "on top at the start";
    RECT before = OuterRect(window);
    std::wstring cache = m_folder.File(L"pmCache3.bmp");
    DeleteFileW(cache.c_str());

    HWND dialog = OpenOptions(window);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(IsShown(dialog, IDC_CommandOK));
    EXPECT_FALSE(IsShown(dialog, IDC_CommandNext));
    EXPECT_TRUE(IsChecked(dialog, IDC_PimmoIsTopMost));
    SetText(GetDlgItem(dialog, IDC_PimmoPictureSize), L"240");
    e2e::PressButtonId(dialog, IDC_CommandOK);
    ASSERT_TRUE(e2e::WaitWindowGone(dialog));
    EXPECT_TRUE(WaitInnerSize(window, {240, 180})) << "made again at the new size";
    RECT after = OuterRect(window);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_TRUE(WaitOnTop(window)) << "on top again";
    EXPECT_EQ(Value("PictureSize"), "240") << "saved at once, before the picture is made again";
    EXPECT_EQ(Value("IsStretchBmpCashed"), "0");
    EXPECT_TRUE(e2e::FileExists(cache)) << "a new cache";

    const std::string saved = e2e::ReadFileBytes(m_folder.ProfilePath());
    dialog = OpenOptions(window);
    ASSERT_TRUE(dialog);
    SetText(GetDlgItem(dialog, IDC_PimmoName), L"じろう");
    SetText(GetDlgItem(dialog, IDC_PimmoPictureSize), L"80");
    e2e::PressButtonId(dialog, IDC_CommandCancel);
    ASSERT_TRUE(e2e::WaitWindowGone(dialog));
    Sleep(300);
    EXPECT_EQ(e2e::ReadFileBytes(m_folder.ProfilePath()), saved) << "ｷｬﾝｾﾙ saves nothing";
    EXPECT_TRUE(WaitInnerSize(window, {240, 180}));
    EXPECT_EQ(Utf8(e2e::WindowText(window)), "たろうが生まれてから今日で101日");
    EXPECT_TRUE(WaitOnTop(window));

    // The session ends while the dialog is open: the window's real place is saved.
    SetWindowPos(window, nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    dialog = OpenOptions(window);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(EndSession(window));
    ASSERT_TRUE(m_process->WaitExit());
    m_process.reset();
    EXPECT_EQ(Value("LockSetting"), "");
    EXPECT_EQ(Value("LastWindowLeft"), std::to_string(300 * TwipsPerPixel()));
    EXPECT_EQ(Value("LastWindowTop"), std::to_string(250 * TwipsPerPixel()));
}

TEST_F(WidgetMenu, OpenPictureTakesAChosenFileAndACancelStillSaves) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    std::wstring other = Picture(L"other.bmp", QuadrantBmp(200, 100));
    WriteSetting();
    HWND window = Start();
    SetWindowPos(window, nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(RunMenu(Pid(), PhotoControl(window), kOpen));
    ASSERT_TRUE(CancelOpenDialog(Pid()));
    EXPECT_TRUE(e2e::WaitUntil([&] { return Value("LastWindowLeft") == std::to_string(300 * TwipsPerPixel()); }))
        << "a cancelled choice still saves the place";
    EXPECT_TRUE(WaitInnerSize(window, {160, 120}));
    EXPECT_EQ(OuterRect(window).left, 300);
    ASSERT_TRUE(RunMenu(Pid(), PhotoControl(window), kOpen));
    ASSERT_TRUE(ChooseFile(Pid(), other));
    EXPECT_TRUE(WaitInnerSize(window, {200, 100})) << "the chosen picture is shown";
    EXPECT_EQ(OuterRect(window).left, 300);
    EXPECT_EQ(Value("PictureFile"), Utf8(other));
    Close(window);
}

TEST_F(WidgetMenu, HelpOpensAtItsTopicAndAMissingFileIsNamed) {
    Picture(L"kid.bmp", QuadrantBmp(160, 120));
    WriteSetting();
    CopyFileW((e2e::BinDir() + L"\\widget\\pimmo.hlp").c_str(), m_folder.File(L"pimmo.hlp").c_str(), FALSE);
    HWND window = Start();
    ASSERT_TRUE(RunMenu(Pid(), PhotoControl(window), kHelp));
    HWND viewer = WaitForOtherDialog();
    ASSERT_TRUE(viewer) << "no help viewer";
    std::wstring text = e2e::WindowText(GetDlgItem(viewer, 1101));
    EXPECT_EQ(text.rfind(L"Pimmo for Windows ヘルプ", 0), 0u) << Utf8(text.substr(0, 40));
    EXPECT_EQ(text.find(L"@topic"), std::wstring::npos) << "only topic 0";
    EXPECT_EQ(e2e::ClassName(GetWindow(viewer, GW_OWNER)), L"PimmoSettingForm") << "owned by the menu's holder";
    PostMessageW(viewer, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitWindowGone(viewer));

    DeleteFileW(m_folder.File(L"pimmo.hlp").c_str());
    ASSERT_TRUE(RunMenu(Pid(), PhotoControl(window), kHelp));
    auto box = e2e::WaitForMessageBox(Pid());
    ASSERT_TRUE(box) << "no message about the missing file";
    EXPECT_NE(box->text.find(m_folder.File(L"pimmo.hlp")), std::wstring::npos) << Utf8(box->text);
    e2e::PressButton(box->window, L"OK");
    ASSERT_TRUE(e2e::WaitWindowGone(box->window));
    EXPECT_TRUE(m_process->IsRunning()) << "the widget keeps running";

    ASSERT_TRUE(RunMenu(Pid(), PhotoControl(window), kAbout));
    HWND about = WaitForOtherDialog();
    ASSERT_TRUE(about) << "no About box";
    PostMessageW(about, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitWindowGone(about));
    Close(window);
}

}  // namespace
