// Without a mouse, as real X key presses: the clicked photo's menu, a command from it and Esc in
// the options dialog; house's Enter, Delete, F1 and Insert on its list.
#include "HouseDriver.h"
#include "OptionsDriver.h"
#include "PhotoFixture.h"

namespace {

// xdotool on the run's display, as a user types. Wine cannot wait for a Unix process: it runs
// under a time-out of its own, and the test waits for what the input does.
bool X(const std::wstring& arguments) {
    std::wstring command = L"timeout 10 /usr/bin/xdotool " + arguments;
    STARTUPINFOW startup{.cb = sizeof(STARTUPINFOW)};
    PROCESS_INFORMATION started{};
    const bool ran = CreateProcessW(L"Z:\\usr\\bin\\timeout", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    nullptr, &startup, &started);
    return ran && CloseHandle(started.hThread) && CloseHandle(started.hProcess);
}

// Types the keys, then waits for a window of the process that match finds.
HWND Type(DWORD pid, const std::wstring& keys, const std::function<bool(HWND)>& match) {
    X(L"key --delay 150 " + keys);
    return e2e::WaitForWindow(pid, match);
}

bool TypeAway(const std::wstring& keys, HWND window) {
    return X(L"key " + keys) && e2e::WaitWindowGone(window);
}

const std::function<bool(HWND)> kMenu = [](HWND window) { return e2e::ClassName(window) == L"#32768"; };

class Keyboard : public photo_e2e::PhotoWidget {};

TEST_F(Keyboard, TheClickedPhotoTakesShiftF10AndTheMenuKeyAndEscLeavesTheOptions) {
    Picture(L"kid.bmp", photo_test::QuadrantBmp(160, 120));
    WriteSetting();
    const RECT at = photo_e2e::InnerRect(Start());
    const DWORD pid = m_process->Pid();
    X(L"mousemove --sync " + std::to_wstring(at.left + 9) + L" " + std::to_wstring(at.top + 9) + L" click 1");
    HWND menu = Type(pid, L"shift+F10", kMenu);
    ASSERT_TRUE(menu) << "Shift+F10 opened no menu";
    EXPECT_EQ(photo_e2e::OuterRect(menu).top, at.top) << "the menu opens at the window";
    EXPECT_TRUE(TypeAway(L"Escape", menu)) << "Esc left the menu open";
    ASSERT_TRUE(Type(pid, L"Menu", kMenu)) << "the menu key opened no menu";
    HWND dialog = Type(pid, L"Down Down Right Down Return", [](HWND window) {  // 設定, オプション
        return e2e::WindowText(window) == options_e2e::kOptionsCaption;
    });
    ASSERT_TRUE(dialog) << "オプション did not open";
    EXPECT_TRUE(TypeAway(L"Escape", dialog)) << "Esc did not leave the options";
    EXPECT_TRUE(m_process->IsRunning());
}

TEST(KeyboardHouse, TheListTakesEnterDeleteF1AndInsert) {
    e2e::ProgramFolder folder;
    CopyFileW((e2e::BinDir() + L"\\widget\\pimmo.hlp").c_str(), folder.File(L"pimmo.hlp").c_str(), FALSE);
    house_e2e::WriteHouseProfile(folder.ProfilePath(), L"", {{5, "Goro", "locked", ""}}, {5});
    e2e::Process house = e2e::Process::Start(folder.Exe(L"house.exe"), L"/s");
    HWND form = house_e2e::WaitForManagerWindow(house.Pid());
    ASSERT_TRUE(form);
    for (const wchar_t* key : {L"Home Return", L"Delete"}) {  // 設定変更, 削除 of the running setting
        auto box = (X(std::wstring(L"key --delay 150 ") + key), e2e::WaitForMessageBox(house.Pid()));
        ASSERT_TRUE(box) << key;
        EXPECT_TRUE(box->text.ends_with(*key == L'D' ? L"削除してください" : L"変更してください")) << key;
        e2e::PressButtonId(box->window, IDOK);
        EXPECT_TRUE(e2e::WaitWindowGone(box->window));
    }
    HWND help =
        Type(house.Pid(), L"F1", [](HWND window) { return e2e::WindowText(window) == L"Pimmoハウス の使い方"; });
    EXPECT_TRUE(help && TypeAway(L"Escape", help)) << "F1 opened no help";
    X(L"key Insert");
    EXPECT_TRUE(e2e::WaitUntil([&] { return !house_e2e::WidgetDialogs(folder.Path()).empty(); })) << "no 追加";
    for (HWND wizard : house_e2e::WidgetDialogs(folder.Path()))
        PostMessageW(wizard, WM_CLOSE, 0, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(form) != FALSE; }));
    e2e::PressButtonId(form, house_e2e::kCommandOK);
    EXPECT_TRUE(house.WaitExit());
}

}  // namespace
