// Real X key presses: the clicked photo's menu, Esc in the options; house's Enter, Delete, F1, Insert.
#include <functional>

#include "tests/e2e/support/HouseDriver.h"
#include "tests/e2e/support/OptionsDriver.h"
#include "tests/e2e/support/PhotoFixture.h"

using namespace e2e;

namespace {

// Wine cannot wait for a Unix process: xdotool runs under a time-out, the test waits for its effect.
bool Keys(const std::wstring& keys) {
    std::wstring command = L"timeout 10 /usr/bin/xdotool " + keys;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const bool ran = CreateProcessW(L"Z:\\usr\\bin\\timeout", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    nullptr, &startup, &started);
    CloseHandle(started.hThread);  // not a handle that can be waited for
    CloseHandle(started.hProcess);
    return ran;
}

// Wine with no window manager may leave the X focus where the pointer is after a modal window
// closes, while it counts another window as the foreground: as a user would, the test clicks into
// the window first (its top left corner is the dialog's bare margin).
void ClickInto(HWND window) {
    POINT corner{2, 2};
    ClientToScreen(window, &corner);
    Keys(L"mousemove --sync " + std::to_wstring(corner.x) + L" " + std::to_wstring(corner.y) + L" click 1");
    WaitUntil([&] { return GetForegroundWindow() == window; }, 2000);
}

// A key typed while the machine is busy may land before the window is ready for it: it is typed
// again, up to three times, until its effect shows.
bool TypeUntil(const std::wstring& keys, const std::function<bool()>& effect, HWND into = nullptr) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (into)
            ClickInto(into);
        if (Keys(L"key " + keys) && WaitUntil(effect, 4000))
            return true;
    }
    return false;
}

class Keyboard : public photo_e2e::PhotoWidget {};

TEST_F(Keyboard, TheClickedPhotoTakesShiftF10AndTheMenuKeyAndEscLeavesTheOptions) {
    Picture(L"kid.bmp", photo_test::QuadrantBmp(160, 120));
    WriteSetting();
    const RECT at = photo_e2e::InnerRect(Start());
    Keys(L"mousemove --sync " + std::to_wstring(at.left + 9) + L" " + std::to_wstring(at.top + 9) + L" click 1");
    HWND menu = nullptr;
    const auto menuShows = [&] { return (menu = options_e2e::WaitForMenu(m_process->Pid(), 1, 100)) != nullptr; };
    ASSERT_TRUE(TypeUntil(L"shift+F10", menuShows)) << "Shift+F10 opened no menu";
    EXPECT_EQ(photo_e2e::OuterRect(menu).top, at.top) << "the menu opens at the window";
    EXPECT_TRUE(TypeUntil(L"Escape", [&] { return !IsWindowVisible(menu); })) << "Esc left the menu open";
    ASSERT_TRUE(TypeUntil(L"Menu", menuShows)) << "the menu key opened no menu";
    Keys(L"key --delay 150 Down Down Right Down Return");
    HWND dialog = options_e2e::WaitForOptionsDialog(m_process->Pid());
    ASSERT_TRUE(dialog) << "設定, オプション did not open";
    EXPECT_TRUE(TypeUntil(L"Escape", [&] { return !IsWindowVisible(dialog); })) << "Esc did not leave the options";
}

TEST(KeyboardHouse, TheListTakesEnterDeleteF1AndInsert) {
    ProgramFolder folder;
    CopyFileW((BinDir() + L"\\widget\\pimmo.hlp").c_str(), folder.File(L"pimmo.hlp").c_str(), FALSE);
    house_e2e::WriteHouseProfile(folder.ProfilePath(), L"", {{5, "Goro", "locked", ""}}, {5});
    Process house = Process::Start(folder.Exe(L"house.exe"), L"/s");
    HWND form = house_e2e::WaitForManagerWindow(house.Pid());
    ASSERT_TRUE(form);
    const auto ListHasFocus = [&] {  // keys typed before would reach no line
        return WaitUntil([&] {
            GUITHREADINFO thread{};
            thread.cbSize = sizeof thread;
            return GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &thread) &&
                   thread.hwndFocus == ControlById(form, house_e2e::kSettingListBox);
        });
    };
    ASSERT_TRUE(ListHasFocus()) << "the list has no focus at start";
    HWND list = ControlById(form, house_e2e::kSettingListBox);
    ASSERT_TRUE(TypeUntil(
        L"Home", [&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == 0; }, form))
        << "Home chose no line";
    for (const wchar_t* key : {L"Return", L"Delete"}) {  // 設定変更, 削除 of the running setting
        std::optional<MessageBoxView> box;
        ASSERT_TRUE(TypeUntil(
            key, [&] { return (box = WaitForMessageBox(house.Pid(), 100)).has_value(); }, form))
            << key;
        EXPECT_TRUE(box->text.ends_with(*key == L'D' ? L"削除してください" : L"変更してください")) << key;
        EXPECT_TRUE(PressButtonId(box->window, IDOK) && WaitWindowGone(box->window));
    }
    HWND help = nullptr;
    ASSERT_TRUE(TypeUntil(
        L"F1",
        [&] {
            return (help = WaitForWindow(
                        house.Pid(), [](HWND w) { return WindowText(w) == L"Pimmoハウス の使い方"; }, 100)) != nullptr;
        },
        form))
        << "F1 opened no help";
    EXPECT_TRUE(TypeUntil(
        L"Escape", [&] { return !IsWindow(help); }, help))
        << "Esc left the help open";
    ClickInto(form);
    EXPECT_TRUE(ListHasFocus()) << "the focus did not come back to the list";
    const auto wizardShows = [&] { return !house_e2e::WidgetDialogs(folder.Path()).empty(); };
    ASSERT_TRUE(TypeUntil(L"Insert", wizardShows, form)) << "no 追加";
    PostMessageW(house_e2e::WidgetDialogs(folder.Path()).front(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(form) != FALSE; }) &&
                PressButtonId(form, house_e2e::kCommandOK) && house.WaitExit());
}

}  // namespace
