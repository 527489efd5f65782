// The checker without an installation's profile: the well-known runtimes of its own table,
// its help, and the layout of its main dialog.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/e2e/support/E2e.h"
#include "tests/e2e/support/PruvoDriver.h"

using namespace e2e;
using namespace e2e::pruvo;

namespace {

class PruvoPlainMode : public testing::Test {
protected:
    HWND MainDialog(const Process& pruvo) {
        HWND dialog = WaitForMainDialog(pruvo.Pid());
        EXPECT_NE(dialog, nullptr) << "the main dialog did not appear";
        return dialog;
    }

    CheckerRun m_run;
};

TEST_F(PruvoPlainMode, WithoutProfileShowsTheBuiltInRuntimes) {
    // A profile beside the program file is not the one of the current directory.
    WriteAnsiProfile(m_run.programFolder.File(L"pruvo.INI"),
                     {L"[Pruvo]", L"NumbersOfDlls=1", L"ExecuteLink=setup.exe", L"[Dlls]", L"1=kernel32.dll"});
    PlaceMarkerProgram(m_run.programFolder.File(L"setup.exe"));
    Process pruvo = m_run.Start();
    HWND dialog = MainDialog(pruvo);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), L"Pruvo 1.32");
    EXPECT_EQ(WindowText(ControlById(dialog, IDOK)), L"OK");
    EXPECT_TRUE(IsShown(ControlById(dialog, kHelpButton)));
    EXPECT_EQ(WindowText(ControlById(dialog, kHelpButton)), L"ヘルプ");
    EXPECT_EQ(WindowText(ControlById(dialog, kDownloadButton)), L"ダウンロード");
    EXPECT_EQ(WindowText(ControlById(dialog, kDetailsButton)), L"詳細情報");

    const std::vector<std::wstring> names{L"Visual Basic 4.0J ランタイム",
                                          L"Visual Basic 5.0J ランタイム",
                                          L"Visual Basic 6.0J ランタイム",
                                          L"MFC 4.0 (Visual C++ 4.0)",
                                          L"MFC 4.2 (Visual C++ 5.0 & 6.0) ランタイム",
                                          L"C++ Builder 3.0 ランタイム",
                                          L"C++ Builder 4.0 ランタイム",
                                          L"Unlha32.dll",
                                          L"Unzip32.dll"};
    const auto rows = ListViewRows(ControlById(dialog, kList1), 2);
    ASSERT_EQ(rows.size(), names.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], names[i]);
        EXPECT_TRUE(rows[i][1] == L"インストール済み" || rows[i][1] == L"未インストール");
    }
    // The archiver DLLs are no part of Windows.
    EXPECT_EQ(rows[7][1], L"未インストール");
    EXPECT_EQ(rows[8][1], L"未インストール");

    PressButtonId(dialog, IDOK);
    EXPECT_TRUE(pruvo.WaitExit());
    Sleep(500);
    EXPECT_FALSE(FileExists(m_run.programFolder.File(L"setup.marker")));
    EXPECT_FALSE(FileExists(m_run.installerFolder.File(L"setup.marker")));
}

TEST_F(PruvoPlainMode, DetailsOfABuiltInRuntimeListItsDlls) {
    Process pruvo = m_run.Start();
    HWND dialog = MainDialog(pruvo);
    ASSERT_NE(dialog, nullptr);
    const struct {
        int row;
        const wchar_t* heading;
        std::vector<std::wstring> dlls;
    } kRuntimes[] = {{2, L"Visual Basic 6.0J ランタイム", {L"Msvbvm60.dll", L"Vb6jp.dll", L"Oleaut32.dll"}},
                     {7, L"Unlha32.dll", {L"Unlha32.dll"}}};
    for (const auto& runtime : kRuntimes) {
        ASSERT_TRUE(SelectListRow(ControlById(dialog, kList1), runtime.row));
        PressButtonId(dialog, kDetailsButton);
        HWND details = WaitForDialogCaption(pruvo.Pid(), L"DLLバージョン情報");
        ASSERT_NE(details, nullptr);
        EXPECT_EQ(WindowText(ControlById(details, kHeading)), runtime.heading);
        const auto rows = ListViewRows(ControlById(details, kList2), 3);
        ASSERT_EQ(rows.size(), runtime.dlls.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i][0], runtime.dlls[i]);
        }
        PressButtonId(details, IDOK);
        ASSERT_TRUE(WaitWindowGone(details));
    }
    // Unlha32.dll is no part of Windows: the path search does not find it.
    PressButtonId(dialog, kDetailsButton);
    HWND details = WaitForDialogCaption(pruvo.Pid(), L"DLLバージョン情報");
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(ListViewRows(ControlById(details, kList2), 3),
              (std::vector<std::vector<std::wstring>>{{L"Unlha32.dll", L"未インストール", L""}}));
    PressButtonId(details, IDOK);
}

TEST_F(PruvoPlainMode, DialogHasTheTemplatesLayout) {
    Process pruvo = m_run.Start();
    HWND dialog = MainDialog(pruvo);
    ASSERT_NE(dialog, nullptr);
    // One dialog unit in pixels, from the OK button's left edge at 200 units.
    const RECT ok = ClientRectOf(ControlById(dialog, IDOK));
    const double unitX = ok.left / 200.0;
    const double unitY = ok.top / 120.0;
    ASSERT_GT(unitX, 0.5);
    ASSERT_GT(unitY, 0.5);
    const struct {
        int id;
        int x, y, w, h;
    } kControls[] = {{kList1, 5, 20, 245, 95},
                     {kHelpButton, 5, 120, 50, 15},
                     {kDownloadButton, 90, 120, 50, 15},
                     {kDetailsButton, 145, 120, 50, 15},
                     {IDOK, 200, 120, 50, 15}};
    for (const auto& control : kControls) {
        const RECT rect = ClientRectOf(ControlById(dialog, control.id));
        EXPECT_NEAR(rect.left, control.x * unitX, 2.0) << control.id;
        EXPECT_NEAR(rect.top, control.y * unitY, 2.0) << control.id;
        EXPECT_NEAR(rect.right - rect.left, control.w * unitX, 2.0) << control.id;
        EXPECT_NEAR(rect.bottom - rect.top, control.h * unitY, 2.0) << control.id;
    }
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_NEAR(client.right, 255 * unitX, 2.0);
    EXPECT_NEAR(client.bottom, 139 * unitY, 2.0);
    // The label without identifier.
    bool labelFound = false;
    for (HWND child : ChildWindows(dialog)) {
        labelFound = labelFound || WindowText(child) == L"ランタイムライブラリ情報";
    }
    EXPECT_TRUE(labelFound);
    // Centred on the screen and shown in the task bar.
    RECT window{};
    GetWindowRect(dialog, &window);
    EXPECT_NEAR((window.left + window.right) / 2.0, GetSystemMetrics(SM_CXSCREEN) / 2.0, 40.0);
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    // The list: report view, single selection, border; name 65 % of its width.
    HWND list = ControlById(dialog, kList1);
    const LONG style = GetWindowLongW(list, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    // The dialog manager draws a control's border as a sunken edge.
    EXPECT_TRUE((style & WS_BORDER) || (GetWindowLongW(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
    EXPECT_EQ(ColumnTitles(list, 2), (std::vector<std::wstring>{L"ランタイム名", L"状態"}));
    const int width = ClientWidth(list);
    EXPECT_EQ(ColumnWidths(list, 2), (std::vector<int>{width * 65 / 100, width - width * 65 / 100}));
}

TEST_F(PruvoPlainMode, HelpShowsTheHelpFileBesideTheProgram) {
    m_run.PlaceHelpFile();
    Process pruvo = m_run.Start();
    HWND dialog = MainDialog(pruvo);
    ASSERT_NE(dialog, nullptr);
    PressButtonId(dialog, kHelpButton);
    HWND viewer = WaitForDialogCaption(pruvo.Pid(), L"pruvo ヘルプ");
    ASSERT_NE(viewer, nullptr) << "no help viewer";
    const std::wstring text = WindowText(ControlById(viewer, kHelpText));
    EXPECT_EQ(text.rfind(L"Pruvo 1.32 ヘルプ\r\n", 0), 0u);
    PressButtonId(viewer, IDOK);
    EXPECT_TRUE(WaitWindowGone(viewer));
    // The standard Help command opens it as well.
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED), 0);
    viewer = WaitForDialogCaption(pruvo.Pid(), L"pruvo ヘルプ");
    ASSERT_NE(viewer, nullptr);
    PostMessageW(viewer, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);  // Esc
    EXPECT_TRUE(WaitWindowGone(viewer));
}

TEST_F(PruvoPlainMode, HelpReportsAMissingOrUnreadableFile) {
    for (const bool present : {false, true}) {
        if (present) {
            WriteFileBytes(m_run.programFolder.File(L"pruvo.hlp"), std::string("\x3F\x5F\x03\0\x10\0\0\0", 8));
        }
        Process pruvo = m_run.Start();
        HWND dialog = MainDialog(pruvo);
        ASSERT_NE(dialog, nullptr);
        PressButtonId(dialog, kHelpButton);
        auto box = WaitForMessageBox(pruvo.Pid());
        ASSERT_TRUE(box) << "no message for the help file";
        EXPECT_EQ(box->caption, L"pruvo");
        const std::wstring message =
            present ? L"このヘルプファイルは表示できない形式です\n" : L"ヘルプファイルが見つかりません\n";
        EXPECT_EQ(box->text.rfind(message, 0), 0u);
        EXPECT_NE(box->text.find(L"pruvo.HLP"), std::wstring::npos);
        EXPECT_EQ(box->icon, MessageIcon::Exclamation);
        PressButton(box->window, L"OK");
        EXPECT_TRUE(WaitWindowGone(box->window));
        EXPECT_TRUE(IsWindowVisible(dialog));
    }
}

}  // namespace
