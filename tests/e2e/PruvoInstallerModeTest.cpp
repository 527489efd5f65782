// The checker as an installation runs it: a profile in the current directory names the
// runtimes; when all are there "継続" copies and opens the installer, otherwise it stops.
#include <gtest/gtest.h>

#include "tests/e2e/support/E2e.h"
#include "tests/e2e/support/PruvoDriver.h"

using namespace e2e;
using namespace e2e::pruvo;

namespace {

const std::wstring kInstalled = L"インストール済み";
const std::wstring kNotInstalled = L"未インストール";

class PruvoInstallerMode : public testing::Test {
protected:
    // Two runtimes; the second's DLL list is given by the test.
    void WriteProfile(const std::wstring& secondDlls, const std::wstring& count = L"2") {
        WriteAnsiProfile(m_run.Profile(),
                         {L"[Pruvo]", L"NumbersOfDlls=" + count, L"AppName=テストアプリ",
                          L"ExecuteLink=setup.ex_, setup.exe", L"[Dlls]", L"1=kernel32.dll, user32.dll",
                          L"2=" + secondDlls, L"[Runtimes]", L"1=基本ランタイム", L"2=描画ランタイム"});
        PlaceMarkerProgram(m_run.installerFolder.File(L"setup.ex_"));
    }

    std::wstring Installer(const std::wstring& name) const { return m_run.installerFolder.File(name); }

    // The main dialog once it is shown; fails the test when it does not come.
    HWND MainDialog(const Process& pruvo) {
        HWND dialog = WaitForMainDialog(pruvo.Pid());
        EXPECT_NE(dialog, nullptr) << "the main dialog did not appear";
        return dialog;
    }

    CheckerRun m_run;
};

TEST_F(PruvoInstallerMode, AllPresentOffersToContinueAndStartsTheInstaller) {
    WriteProfile(L"gdi32.dll");
    Process pruvo = m_run.Start();
    HWND dialog = MainDialog(pruvo);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), L"ランタイムのチェック");
    EXPECT_EQ(WindowText(ControlById(dialog, IDOK)), L"継続");
    EXPECT_FALSE(IsShown(ControlById(dialog, kHelpButton)));
    EXPECT_TRUE(IsShown(ControlById(dialog, kDownloadButton)));
    EXPECT_TRUE(IsShown(ControlById(dialog, kDetailsButton)));
    const std::vector<std::vector<std::wstring>> expected{{L"基本ランタイム", kInstalled},
                                                          {L"描画ランタイム", kInstalled}};
    EXPECT_EQ(ListViewRows(ControlById(dialog, kList1), 2), expected);
    EXPECT_FALSE(FileExists(Installer(L"setup.exe")));

    ASSERT_TRUE(PressButtonId(dialog, IDOK));
    EXPECT_TRUE(pruvo.WaitExit()) << "pruvo did not end after 継続";
    EXPECT_TRUE(WaitUntil([&] { return FileExists(Installer(L"setup.marker")); })) << "setup.exe was not opened";
    EXPECT_EQ(ReadFileBytes(Installer(L"setup.exe")), ReadFileBytes(Installer(L"setup.ex_")));
}

TEST_F(PruvoInstallerMode, MissingDllStopsTheInstallationWithTheMessageFirst) {
    WriteProfile(L"gdi32.dll, pruvo_missing_4711.dll");
    Process pruvo = m_run.Start();
    auto box = WaitForMessageBox(pruvo.Pid());
    ASSERT_TRUE(box) << "no message about the missing runtime";
    EXPECT_EQ(box->caption, L"pruvo");
    EXPECT_EQ(box->text, L"テストアプリの実行に必要なランタイムがインストールされていません\nインストールを中止します");
    EXPECT_EQ(box->buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_EQ(box->icon, MessageIcon::None);
    // The message comes before the dialog is shown.
    for (HWND window : TopLevelWindows(pruvo.Pid())) {
        EXPECT_EQ(GetDlgItem(window, kList1), nullptr) << "the main dialog is shown behind the message";
    }
    ASSERT_TRUE(PressButton(box->window, L"OK"));

    HWND dialog = MainDialog(pruvo);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), L"ランタイムのチェック");
    EXPECT_EQ(WindowText(ControlById(dialog, IDOK)), L"終了");
    EXPECT_FALSE(IsShown(ControlById(dialog, kHelpButton)));
    const std::vector<std::vector<std::wstring>> expected{{L"基本ランタイム", kInstalled},
                                                          {L"描画ランタイム", kNotInstalled}};
    EXPECT_EQ(ListViewRows(ControlById(dialog, kList1), 2), expected);

    ASSERT_TRUE(PressButtonId(dialog, IDOK));
    EXPECT_TRUE(pruvo.WaitExit());
    Sleep(500);
    EXPECT_FALSE(FileExists(Installer(L"setup.exe"))) << "copied although a runtime is missing";
    EXPECT_FALSE(FileExists(Installer(L"setup.marker"))) << "opened although a runtime is missing";
}

TEST_F(PruvoInstallerMode, AppNameDefaultsToApplication) {
    WriteAnsiProfile(m_run.Profile(), {L"[Pruvo]", L"NumbersOfDlls=1", L"[Dlls]", L"1=pruvo_missing_4711.dll"});
    Process pruvo = m_run.Start();
    auto box = WaitForMessageBox(pruvo.Pid());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text,
              L"アプリケーションの実行に必要なランタイムがインストールされていません\nインストールを中止します");
    PressButton(box->window, L"OK");
}

TEST_F(PruvoInstallerMode, ClosingTheDialogNeverStartsTheInstaller) {
    WriteProfile(L"gdi32.dll");
    for (const UINT way : {0u, 1u}) {
        Process pruvo = m_run.Start();
        HWND dialog = MainDialog(pruvo);
        ASSERT_NE(dialog, nullptr);
        if (way == 0) {
            PostMessageW(dialog, WM_CLOSE, 0, 0);  // the close box
        } else {
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);  // Esc
        }
        EXPECT_TRUE(pruvo.WaitExit());
    }
    Sleep(500);
    EXPECT_FALSE(FileExists(Installer(L"setup.exe")));
    EXPECT_FALSE(FileExists(Installer(L"setup.marker")));
}

TEST_F(PruvoInstallerMode, ExtraRuntimeNumbersShowEmptyInstalledRows) {
    WriteProfile(L"gdi32.dll", L"4");
    Process pruvo = m_run.Start();
    HWND dialog = MainDialog(pruvo);
    ASSERT_NE(dialog, nullptr);
    const std::vector<std::vector<std::wstring>> expected{
        {L"基本ランタイム", kInstalled}, {L"描画ランタイム", kInstalled}, {L"", kInstalled}, {L"", kInstalled}};
    EXPECT_EQ(ListViewRows(ControlById(dialog, kList1), 2), expected);
    EXPECT_EQ(WindowText(ControlById(dialog, IDOK)), L"継続");
}

TEST_F(PruvoInstallerMode, EmptyNameBetweenTwoCommasIsAMissingDll) {
    WriteAnsiProfile(m_run.installerFolder.File(L"a.dll"), {L"not a DLL image, but a file"});
    WriteAnsiProfile(m_run.installerFolder.File(L"b.dll"), {L"not a DLL image, but a file"});
    WriteAnsiProfile(m_run.Profile(), {L"[Pruvo]", L"NumbersOfDlls=2", L"[Dlls]", L"1=a.dll, b.dll", L"2=a.dll,,b.dll",
                                       L"[Runtimes]", L"1=ファイルだけ", L"2=空の名前"});
    Process pruvo = m_run.Start();
    auto box = WaitForMessageBox(pruvo.Pid());
    ASSERT_TRUE(box);
    PressButton(box->window, L"OK");
    HWND dialog = MainDialog(pruvo);
    ASSERT_NE(dialog, nullptr);
    // Files the path search finds count as present; the empty name does not.
    const std::vector<std::vector<std::wstring>> expected{{L"ファイルだけ", kInstalled}, {L"空の名前", kNotInstalled}};
    EXPECT_EQ(ListViewRows(ControlById(dialog, kList1), 2), expected);
    EXPECT_EQ(WindowText(ControlById(dialog, IDOK)), L"終了");
}

TEST_F(PruvoInstallerMode, NegativeCountIsInstallerModeWithNothingMissing) {
    WriteProfile(L"gdi32.dll", L"-1");
    Process pruvo = m_run.Start();
    HWND dialog = MainDialog(pruvo);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), L"ランタイムのチェック");
    EXPECT_EQ(ListViewRows(ControlById(dialog, kList1), 2).size(), 0u);
    EXPECT_EQ(WindowText(ControlById(dialog, IDOK)), L"継続");
    PressButtonId(dialog, IDOK);
    EXPECT_TRUE(pruvo.WaitExit());
    EXPECT_TRUE(WaitUntil([&] { return FileExists(Installer(L"setup.marker")); }));
}

TEST_F(PruvoInstallerMode, TargetWithoutSourceIsOpenedWithoutCopy) {
    WriteAnsiProfile(m_run.Profile(),
                     {L"[Pruvo]", L"NumbersOfDlls=1", L"ExecuteLink=インストーラ.exe", L"[Dlls]", L"1=kernel32.dll"});
    PlaceMarkerProgram(Installer(L"インストーラ.exe"));
    Process pruvo = m_run.Start();
    HWND dialog = MainDialog(pruvo);
    ASSERT_NE(dialog, nullptr);
    PressButtonId(dialog, IDOK);
    EXPECT_TRUE(pruvo.WaitExit());
    EXPECT_TRUE(WaitUntil([&] { return FileExists(Installer(L"インストーラ.marker")); }));
}

TEST_F(PruvoInstallerMode, EmptyExecuteLinkJustEnds) {
    WriteAnsiProfile(m_run.Profile(), {L"[Pruvo]", L"NumbersOfDlls=1", L"[Dlls]", L"1=kernel32.dll"});
    Process pruvo = m_run.Start();
    HWND dialog = MainDialog(pruvo);
    ASSERT_NE(dialog, nullptr);
    PressButtonId(dialog, IDOK);
    EXPECT_TRUE(pruvo.WaitExit());
}

}  // namespace
