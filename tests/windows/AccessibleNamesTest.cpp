// What a screen reader hears, read through the platform's accessibility interface in this
// process while each window is up (Wine cannot hand these objects to another process).
#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <map>

#include "../../widget/win/resource.h"
#include "AboutBox.h"
#include "CheckerDialog.h"
#include "CheckerProfile.h"
#include "DllProbe.h"
#include "PhotoWindow.h"
#include "PimmoHouseForm.h"
#include "PimmoOptionDialog.h"
#include "Runtimes.h"
#include "SystemLibrary.h"
#include "UniqueHandles_win.h"

namespace {

std::wstring Read(HWND window, bool description = false) {
    ComPtr<IAccessible> object;
    VARIANT self{.vt = VT_I4};  // CHILDID_SELF
    BSTR text = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), &object)))
        description ? object->get_accDescription(self, &text) : object->get_accName(self, &text);
    std::wstring result = text ? text : L"";
    SysFreeString(text);
    return result;
}

// Runs show, which shows a dialog on this thread; a timer of its loop reads the visible
// controls' names by id, ends it and returns the names with the tab order from the focus (key 0).
std::map<int, std::wstring> Seen(const std::function<void()>& show) {
    static std::map<int, std::wstring> seen;
    seen.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND dialog = GetActiveWindow(), item = GetFocus();
        if (!dialog || !seen.empty())
            return;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child) && (seen[GetDlgCtrlID(child)] = Read(child)).empty())
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

// A program of the build, for its resources only: its code never runs here.
HMODULE Program(const std::wstring& path) {
    wchar_t self[MAX_PATH] = {};
    const std::wstring folder(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    return LoadLibraryExW((folder.substr(0, folder.rfind(L'\\')) + L"\\..\\..\\" + path).c_str(), nullptr,
                          DONT_RESOLVE_DLL_REFERENCES);
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
    std::string TooltipText() override { return "生まれてから101日"; }
} owner;

TEST(AccessibleNames, EveryDialogControlIsNamedByItsLabelAndTabsInReadingOrder) {
    HMODULE pimmo = Program(L"widget\\pimmo.exe"), house = Program(L"manager\\house.exe");
    for (OptionsMode mode : {OptionsMode::Options, OptionsMode::Wizard}) {
        auto seen = Seen([&] { PimmoOptionDialog(NewSettingRecord({2020, 5, 1}), owner, mode).Run(pimmo, nullptr); });
        EXPECT_EQ(seen[0], mode == OptionsMode::Options ? L"1002 1004 1006 1008 1011 1012 1021 1022"
                                                        : L"1002 1004 1006 1008 1011 1012 1020 1023");
        EXPECT_EQ(seen[IDC_PimmoName] + L"/" + seen[IDC_PimmoBirthMonth] + L"/" + seen[IDC_PimmoPictureSize],
                  L"Pimmoの名前/Pimmoの誕生日 月/ピクセルになるようにする");
    }
    SettingList list;
    auto seen = Seen([&] { PimmoHouseModule::PimmoHouseForm(owner, "C:\\none.ini", list).Run(house); });
    EXPECT_EQ(seen[0], L"1006 1001 1002 1003 1004 1005") << "the list first, then the buttons";
    EXPECT_EQ(seen[1006], L"設定の一覧");
    ASSERT_TRUE(Pruvo::InitListViewControls());
    const HINSTANCE pruvo = Program(L"checker\\pruvo.exe");
    const Pruvo::Profile profile("C:\\none.ini");
    const Pruvo::DllProbe probe;
    const Pruvo::RuntimeCheck check = Pruvo::CheckRuntimes(profile, Pruvo::BuiltinRuntimes(pruvo), probe);
    EXPECT_EQ(Seen([&] { Pruvo::CheckerDialog(profile, check, probe).RunModal(pruvo, 102, nullptr); })[1015],
              L"ランタイムライブラリ情報");
    EXPECT_EQ(Seen([&] { ShowAboutBox(pimmo, nullptr); })[1201], L"Pimmo for Windows") << "the icon";
}

TEST(AccessibleNames, ThePhotoIsNamedByItsCaptionAndDescribedByItsTooltip) {
    for (auto frame : {PhotoWindow::Frame::Borderless, PhotoWindow::Frame::Bordered}) {
        PhotoWindow window(frame, owner);
        ASSERT_TRUE(window.Create(GetModuleHandleW(nullptr)));
        window.SetCaption("たろうが生まれてから今日で101日");
        EXPECT_EQ(Read(window.Handle()) + L"/" + Read(window.Handle(), true),
                  L"たろうが生まれてから今日で101日/生まれてから101日");
    }
}

}  // namespace
