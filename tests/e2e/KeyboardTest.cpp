// Without a mouse, typed as real X key presses: the focused photo's menu and its commands, the
// options dialog's Tab, F1 and Esc, house's Enter, Delete, F1 and Insert on its list.
#include "../../widget/win/resource.h"
#include "HouseDriver.h"
#include "OptionsDriver.h"
#include "PhotoFixture.h"

using namespace photo_e2e;
using namespace options_e2e;

namespace {

HWND Focus(HWND window) {
    GUITHREADINFO info{sizeof info};
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

bool Keys(const std::wstring& keys) {
    return e2e::XInput(L"key --delay 150 " + keys);
}

HWND WaitForHelp(DWORD pid, const std::wstring& caption) {
    return e2e::WaitForWindow(pid, [&](HWND window) { return e2e::WindowText(window) == caption; });
}

void CopyHelp(const e2e::ProgramFolder& folder) {
    CopyFileW((e2e::BinDir() + L"\\widget\\pimmo.hlp").c_str(), folder.File(L"pimmo.hlp").c_str(), FALSE);
}

class Keyboard : public PhotoWidget {};

TEST_F(Keyboard, TheClickedPhotoTakesShiftF10AndTheMenuKeyAndEveryCommandFollows) {
    Picture(L"kid.bmp", photo_test::QuadrantBmp(160, 120));
    WriteSetting();
    CopyHelp(m_folder);
    HWND window = Start();
    ASSERT_TRUE(window);
    const RECT inner = InnerRect(window);
    e2e::XInput(L"mousemove --sync " + std::to_wstring(inner.left + 9) + L" " + std::to_wstring(inner.top + 9) +
                L" click 1");
    ASSERT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == window; })) << "the click gave no focus";
    Keys(L"shift+F10");
    HWND menu = WaitForMenu(m_process->Pid());
    ASSERT_TRUE(menu) << "Shift+F10 opened no menu";
    EXPECT_LE(abs(OuterRect(menu).left - inner.left) + abs(OuterRect(menu).top - inner.top), 2) << "not at the window";
    Keys(L"Escape");
    EXPECT_TRUE(e2e::WaitWindowGone(menu)) << "Esc left the menu open";

    Keys(L"Menu");
    ASSERT_TRUE(WaitForMenu(m_process->Pid())) << "the menu key opened no menu";
    Keys(L"Down Down Right Down Return");  // 設定, オプション
    HWND dialog = WaitForOptionsDialog(m_process->Pid());
    ASSERT_TRUE(dialog) << "オプション did not open";
    EXPECT_TRUE(e2e::WaitUntil([&] { return Focus(dialog) == GetDlgItem(dialog, IDC_PimmoName); }));
    Keys(L"Tab");
    EXPECT_TRUE(e2e::WaitUntil([&] { return Focus(dialog) == GetDlgItem(dialog, IDC_PimmoBirthYear); }));
    Keys(L"F1");
    HWND help = WaitForHelp(m_process->Pid(), L"Pimmo for Windows の使い方");
    EXPECT_TRUE(help) << "F1 opened no help at the widget's topic";
    Keys(L"Escape");
    EXPECT_TRUE(e2e::WaitWindowGone(help));
    Keys(L"Escape");
    EXPECT_TRUE(e2e::WaitWindowGone(dialog)) << "Esc did not leave the options";
    Keys(L"Menu");
    ASSERT_TRUE(WaitForMenu(m_process->Pid())) << "the photo lost the keyboard";
    Keys(L"Down Right Down Return");  // ファイル, 終了
    EXPECT_EQ(m_process->WaitExit(), 0u) << "終了 did not end the widget";
    m_process.reset();
}

TEST(KeyboardHouse, TheListTakesEnterDeleteF1AndInsert) {
    e2e::ProgramFolder folder;
    CopyHelp(folder);
    photo_test::WriteFileBytes(folder.File(L"kid.bmp"), photo_test::QuadrantBmp(64, 48));
    house_e2e::WriteHouseProfile(folder.ProfilePath(), folder.File(L"kid.bmp"), {{5, "Goro", "locked", ""}}, {5});
    e2e::Process house = e2e::Process::Start(folder.Exe(L"house.exe"), L"/s");
    HWND form = house_e2e::WaitForManagerWindow(house.Pid());
    ASSERT_TRUE(form);
    EXPECT_EQ(Focus(form), GetDlgItem(form, house_e2e::kSettingListBox)) << "the list has the focus at start";
    for (const auto& [key, what] : {std::pair{L"Home Return", L"変更"}, std::pair{L"Delete", L"削除"}}) {
        Keys(key);
        auto box = e2e::WaitForMessageBox(house.Pid());
        ASSERT_TRUE(box) << "nothing ran for " << what;
        EXPECT_EQ(box->text, L"選択した設定は起動しています\r\n終了してから設定を" + std::wstring(what) + L"してください");
        e2e::PressButtonId(box->window, IDOK);
        EXPECT_TRUE(e2e::WaitWindowGone(box->window));
    }
    Keys(L"F1");
    HWND help = WaitForHelp(house.Pid(), L"Pimmoハウス の使い方");
    EXPECT_TRUE(help) << "F1 opened no help";
    Keys(L"Escape");
    EXPECT_TRUE(e2e::WaitWindowGone(help));
    Keys(L"Insert");
    EXPECT_TRUE(e2e::WaitUntil([&] { return !house_e2e::WidgetDialogs(folder.Path()).empty(); })) << "no 追加";
    for (HWND wizard : house_e2e::WidgetDialogs(folder.Path()))
        PostMessageW(wizard, WM_CLOSE, 0, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(form) != FALSE; }));
    e2e::PressButtonId(form, house_e2e::kCommandOK);
    EXPECT_TRUE(house.WaitExit());
}

}  // namespace
