// What a screen reader hears, read in this process (Wine cannot hand the objects to another one).
#include <gtest/gtest.h>

#include <oleacc.h>

#include <map>

#include "base/core/UniqueHandles_win.h"
#include "checker/win/CheckerDialog.h"
#include "checker/win/CheckerProfile.h"
#include "checker/win/DllProbe.h"
#include "checker/win/Runtimes.h"
#include "checker/win/ShellFunctions.h"
#include "common/win/AboutBox.h"
#include "manager/win/PimmoHouseForm.h"
#include "widget/win/PhotoWindow.h"
#include "widget/win/PimmoOptionDialog.h"

namespace {

std::wstring Read(HWND window, bool description = false) {
    ComPtr<IAccessible> object;
    VARIANT self{};
    self.vt = VT_I4;  // CHILDID_SELF
    BSTR text = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), &object)))
        description ? object->get_accDescription(self, &text) : object->get_accName(self, &text);
    const std::wstring result = text ? text : L"";
    return SysFreeString(text), result;
}

// A timer of the dialog that show runs reads its controls' names and tab order (key 0), then ends it.
std::map<int, std::wstring> Seen(const std::function<void()>& show) {
    static std::map<int, std::wstring> seen;
    seen.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND dialog = GetActiveWindow(), item = GetFocus();
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) && (seen[GetDlgCtrlID(child)] = Read(child)).empty())
                ADD_FAILURE() << "control " << GetDlgCtrlID(child) << " has no name";
        seen[0] = std::to_wstring(GetDlgCtrlID(item));
        while ((item = GetNextDlgTabItem(dialog, item, FALSE)) != GetFocus() && seen[0].size() < 100)
            seen[0] += L" " + std::to_wstring(GetDlgCtrlID(item));
        EndDialog(dialog, IDCANCEL);
    });
    show();
    KillTimer(nullptr, timer);
    return seen;
}

HMODULE Program(const wchar_t* path) {  // of the build, beside the tests' folder; for its resources only
    return LoadLibraryExW((std::wstring(L"..\\..\\") + path).c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
}

struct NoOwner : OptionsDialogHost, PimmoHouseModule::HouseFormOwner, PhotoWindowEvents {
    void OnPictureChosen(HWND, const std::string&) override {}
    void RunWidgetAndWait(HWND, PimmoHouseModule::WidgetSwitch, int16_t) override {}
    void TellNotSaved(HWND, UnsavedChange) override {}
    void OnPhotoMouseDown(PhotoWindow&, int16_t) override {}
    void OnMenuKey(PhotoWindow&) override {}
    void OnDoubleClick(PhotoWindow&) override {}
    void OnFilesDropped(PhotoWindow&, const std::vector<std::string>&) override {}
    void OnUnload(PhotoWindow&, bool) override {}
    void OnDpiChanged(PhotoWindow&) override {}
    void OnHover() override {}
    std::string TooltipText() override { return "生まれてから101日"; }
} owner;

TEST(AccessibleNames, ThePhotoAndEveryDialogControlAreNamedAndTheDialogsTabInReadingOrder) {
    for (auto frame : {PhotoWindow::Frame::Borderless, PhotoWindow::Frame::Bordered}) {
        PhotoWindow window(frame, owner);
        ASSERT_TRUE(window.Create(GetModuleHandleW(nullptr)));
        window.SetCaption("たろうが生まれてから今日で101日");
        EXPECT_EQ(Read(window.Handle()) + L"/" + Read(window.Handle(), true),
                  L"たろうが生まれてから今日で101日/生まれてから101日");
    }
    HMODULE pimmo = Program(L"widget\\pimmo.exe");
    for (OptionsMode mode : {OptionsMode::Options, OptionsMode::Wizard}) {
        auto seen = Seen([&] { PimmoOptionDialog(NewSettingRecord({2020, 5, 1}), owner, mode).Run(pimmo, nullptr); });
        EXPECT_EQ(seen[0], mode == OptionsMode::Options
                               ? L"1002 1004 1006 1008 1030 1032 1034 1011 1012 1025 1026 1024 1021 1022"
                               : L"1002 1004 1006 1008 1030 1032 1034 1011 1012 1025 1026 1020 1024 1023");
        EXPECT_EQ(seen[1002] + L"/" + seen[1006] + L"/" + seen[1016],
                  L"Pimmoの名前/Pimmoの誕生日 月/ピクセルになるようにする");
    }
    SettingList list;
    auto seen = Seen(
        [&] { PimmoHouseModule::PimmoHouseForm(owner, "C:\\none.ini", list).Run(Program(L"manager\\house.exe")); });
    EXPECT_EQ(seen[0] + L"/" + seen[1006], L"1006 1001 1002 1003 1004 1005/設定の一覧") << "the list first";
    ASSERT_TRUE(Pruvo::InitListViewControls());
    const HINSTANCE pruvo = Program(L"checker\\pruvo.exe");
    const Pruvo::Profile profile("C:\\none.ini");
    const Pruvo::DllProbe probe;
    const Pruvo::RuntimeCheck check = Pruvo::CheckRuntimes(profile, Pruvo::BuiltinRuntimes(pruvo), probe);
    EXPECT_EQ(Seen([&] { Pruvo::CheckerDialog(profile, check, probe).RunModal(pruvo, 102, nullptr); })[1015],
              L"ランタイムライブラリ情報");
    EXPECT_EQ(Seen([&] { ShowAboutBox(pimmo, nullptr); })[1201], L"Pimmo for Windows") << "the icon";
}

}  // namespace
