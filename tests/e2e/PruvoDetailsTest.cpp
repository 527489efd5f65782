// The Download and Details buttons of the checker and its details dialog.
#include <gtest/gtest.h>

#include "tests/e2e/support/E2e.h"
#include "tests/e2e/support/PruvoDriver.h"

using namespace e2e;
using namespace e2e::pruvo;

namespace {

std::wstring SystemFile(const std::wstring& name) {
    wchar_t folder[MAX_PATH + 1] = {};
    GetSystemDirectoryW(folder, MAX_PATH + 1);
    return std::wstring(folder) + L"\\" + name;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

class PruvoDetails : public testing::Test {
protected:
    void SetUp() override {
        WriteAnsiProfile(m_run.Profile(),
                         {L"[Pruvo]", L"NumbersOfDlls=2", L"ExecuteLink=setup.exe", L"[Dlls]",
                          L"1=kernel32.dll, pruvo_missing_4711.dll, local.dll", L"2=user32.dll", L"[Runtimes]",
                          L"1=テスト & ランタイム", L"2=ユーザー", L"[Urls]", L"1=page.exe"});
        WriteAnsiProfile(m_run.installerFolder.File(L"local.dll"), {L"a file without version record"});
        PlaceMarkerProgram(m_run.installerFolder.File(L"setup.exe"));
        m_pruvo.emplace(m_run.Start());
        // The first runtime misses a DLL: the message comes first.
        auto box = WaitForMessageBox(m_pruvo->Pid());
        ASSERT_TRUE(box);
        PressButton(box->window, L"OK");
        m_dialog = WaitForMainDialog(m_pruvo->Pid());
        ASSERT_NE(m_dialog, nullptr);
    }

    CheckerRun m_run;
    std::optional<Process> m_pruvo;
    HWND m_dialog = nullptr;
};

TEST_F(PruvoDetails, WithoutSelectionEachButtonAsksForOne) {
    const struct {
        int button;
        const wchar_t* message;
    } kButtons[] = {{kDownloadButton, L"ダウンロードするランタイムを選択してください"},
                    {kDetailsButton, L"情報を見るランタイムを選択してください"}};
    for (const auto& button : kButtons) {
        PressButtonId(m_dialog, button.button);
        auto box = WaitForMessageBox(m_pruvo->Pid());
        ASSERT_TRUE(box) << "no message";
        EXPECT_EQ(box->caption, L"pruvo");
        EXPECT_EQ(box->text, button.message);
        EXPECT_EQ(box->buttons, std::vector<std::wstring>{L"OK"});
        EXPECT_EQ(box->icon, MessageIcon::Exclamation);
        PressButton(box->window, L"OK");
        EXPECT_TRUE(WaitWindowGone(box->window));
        EXPECT_TRUE(IsWindowVisible(m_dialog)) << "the dialog must stay";
    }
}

TEST_F(PruvoDetails, DetailsListEachDllWithPathAndVersion) {
    ASSERT_TRUE(SelectListRow(ControlById(m_dialog, kList1), 0));
    PressButtonId(m_dialog, kDetailsButton);
    HWND details = WaitForDialogCaption(m_pruvo->Pid(), L"DLLバージョン情報");
    ASSERT_NE(details, nullptr) << "no details dialog";
    EXPECT_EQ(WindowText(ControlById(details, kHeading)), L"テスト & ランタイム");
    EXPECT_EQ(WindowText(ControlById(details, IDOK)), L"閉じる");
    HWND list = ControlById(details, kList2);
    const auto rows = ListViewRows(list, 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], L"kernel32.dll");
    EXPECT_TRUE(SamePath(rows[0][1], SystemFile(L"kernel32.dll"))) << std::string(rows[0][1].begin(), rows[0][1].end());
    EXPECT_FALSE(rows[0][2].empty()) << "no version of kernel32.dll";
    EXPECT_TRUE(iswdigit(rows[0][2].empty() ? L'x' : rows[0][2][0]));
    EXPECT_EQ(rows[1], (std::vector<std::wstring>{L"pruvo_missing_4711.dll", L"未インストール", L""}));
    EXPECT_EQ(rows[2][0], L"local.dll");
    EXPECT_TRUE(SamePath(rows[2][1], m_run.installerFolder.File(L"local.dll")));
    EXPECT_EQ(rows[2][2], L"");
    EXPECT_EQ(ColumnTitles(list, 3), (std::vector<std::wstring>{L"DLL名", L"ファイルのパス", L"バージョン情報"}));
    // Columns: a quarter, a half and the rest of the list's width.
    const int width = ClientWidth(list);
    EXPECT_EQ(ColumnWidths(list, 3), (std::vector<int>{width / 4, width / 2, width - width / 4 - width / 2}));

    PressButtonId(details, IDOK);
    EXPECT_TRUE(WaitWindowGone(details));
    EXPECT_TRUE(IsWindowVisible(m_dialog));
    // Esc closes it too, and the main dialog goes on.
    PressButtonId(m_dialog, kDetailsButton);
    details = WaitForDialogCaption(m_pruvo->Pid(), L"DLLバージョン情報");
    ASSERT_NE(details, nullptr);
    PostMessageW(details, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(WaitWindowGone(details));
    EXPECT_TRUE(IsWindowVisible(m_dialog));
}

TEST_F(PruvoDetails, DetailsDialogHasTheTemplatesLayout) {
    ASSERT_TRUE(SelectListRow(ControlById(m_dialog, kList1), 1));
    PressButtonId(m_dialog, kDetailsButton);
    HWND details = WaitForDialogCaption(m_pruvo->Pid(), L"DLLバージョン情報");
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(WindowText(ControlById(details, kHeading)), L"ユーザー");
    const RECT close = ClientRectOf(ControlById(details, IDOK));
    const double unitX = close.left / 245.0;
    const double unitY = close.top / 115.0;
    const struct {
        int id;
        int x, y, w, h;
    } kControls[] = {{kHeading, 5, 5, 290, 15}, {kList2, 5, 20, 290, 90}, {IDOK, 245, 115, 50, 14}};
    for (const auto& control : kControls) {
        const RECT rect = ClientRectOf(ControlById(details, control.id));
        EXPECT_NEAR(rect.left, control.x * unitX, 2.0) << control.id;
        EXPECT_NEAR(rect.top, control.y * unitY, 2.0) << control.id;
        EXPECT_NEAR(rect.right - rect.left, control.w * unitX, 2.0) << control.id;
        EXPECT_NEAR(rect.bottom - rect.top, control.h * unitY, 2.0) << control.id;
    }
    RECT client{};
    GetClientRect(details, &client);
    EXPECT_NEAR(client.right, 299 * unitX, 2.0);
    EXPECT_NEAR(client.bottom, 135 * unitY, 2.0);
    const LONG style = GetWindowLongW(ControlById(details, kList2), GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    PressButtonId(details, IDOK);
}

TEST_F(PruvoDetails, DownloadOpensTheRuntimesAddressThroughTheShell) {
    // The address is a program in the current directory, so opening it leaves a marker.
    PlaceMarkerProgram(m_run.installerFolder.File(L"page.exe"));
    ASSERT_TRUE(SelectListRow(ControlById(m_dialog, kList1), 0));
    PressButtonId(m_dialog, kDownloadButton);
    EXPECT_TRUE(WaitUntil([&] { return FileExists(m_run.installerFolder.File(L"page.marker")); }));
    EXPECT_TRUE(IsWindowVisible(m_dialog));
    // The second runtime has no address: nothing happens and no message appears.
    ASSERT_TRUE(SelectListRow(ControlById(m_dialog, kList1), 1));
    PressButtonId(m_dialog, kDownloadButton);
    EXPECT_FALSE(WaitForMessageBox(m_pruvo->Pid(), 1500));
    // "終了" ends without starting the installer.
    PressButtonId(m_dialog, IDOK);
    EXPECT_TRUE(m_pruvo->WaitExit());
    Sleep(500);
    EXPECT_FALSE(FileExists(m_run.installerFolder.File(L"setup.marker")));
}

}  // namespace
