// The checker runs from download and installer folders, where files of anyone's choosing lie:
// it runs no code of the DLLs it checks, and loads no system DLL from those folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "tests/e2e/support/E2e.h"
#include "tests/e2e/support/PlantedDlls.h"
#include "tests/e2e/support/PruvoDriver.h"

using namespace e2e;
using namespace e2e::pruvo;

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// Every name in the import table is a DLL that Windows loads from the system folder whatever
// the search order says: ntdll (always loaded first), kernel32, user32, gdi32, advapi32 and
// msvcrt are KnownDLLs, mapped from the system's section objects; "api-ms-win-" names are API
// sets resolved by the loader's schema, never looked up as files. Other DLLs (version,
// comctl32, shell32, ole32) are loaded by the program from the system folder explicitly.
TEST(PruvoSafety, ImportTableNamesOnlyDllsTheSystemTakesFromItsOwnFolder) {
    const std::vector<std::string> allowed{"ntdll.dll", "kernel32.dll", "user32.dll",
                                           "gdi32.dll", "advapi32.dll", "msvcrt.dll"};
    const std::vector<std::string> imported = ImportedDlls(BinDir() + L"\\checker\\pruvo.exe");
    ASSERT_FALSE(imported.empty());
    bool hasKernel = false;
    for (const std::string& name : imported) {
        const std::string lower = Lower(name);
        hasKernel = hasKernel || lower == "kernel32.dll";
        const bool apiSet = lower.rfind("api-ms-win-", 0) == 0;
        EXPECT_TRUE(apiSet || std::find(allowed.begin(), allowed.end(), lower) != allowed.end())
            << name << " is imported; it would be looked up along the search order before the program runs";
    }
    EXPECT_TRUE(hasKernel) << "the import table was not read";
}

class PruvoPlantedDlls : public testing::Test {
protected:
    // Markers other than those of the programs the test starts on purpose.
    void ExpectNoPlantedDllRan() const {
        for (const TempFolder* folder : {&m_run.programFolder, &m_run.installerFolder}) {
            for (const std::wstring& marker : Markers(*folder)) {
                EXPECT_TRUE(marker == L"page.marker" || marker == L"setup.marker")
                    << "a planted DLL was loaded: " << Narrow(marker);
            }
        }
    }

    CheckerRun m_run;
};

TEST_F(PruvoPlantedDlls, MarkerDllRunsItsCodeWhenLoadedNormally) {
    // The check below is only worth something if the planted DLL does leave its marker when
    // a process loads it the normal way.
    TempFolder folder;
    PlaceMarkerDll(folder.File(L"planted.dll"));
    wchar_t previous[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH + 1, previous);
    SetCurrentDirectoryW(folder.Path().c_str());
    HMODULE module = LoadLibraryW(folder.File(L"planted.dll").c_str());
    SetCurrentDirectoryW(previous);
    ASSERT_NE(module, nullptr);
    FreeLibrary(module);
    EXPECT_TRUE(FileExists(folder.File(L"planted.marker")));
}

TEST_F(PruvoPlantedDlls, ListedDllsAreFoundWithoutRunningTheirCode) {
    PlaceMarkerDll(m_run.installerFolder.File(L"planted.dll"));
    PlaceMarkerDll(m_run.installerFolder.File(L"noextension.dll"));
    WriteAnsiProfile(m_run.Profile(), {L"[Pruvo]", L"NumbersOfDlls=2", L"[Dlls]", L"1=planted.dll", L"2=noextension",
                                       L"[Runtimes]", L"1=植えられたDLL", L"2=拡張子なし"});
    Process pruvo = m_run.Start();
    HWND dialog = WaitForMainDialog(pruvo.Pid());
    ASSERT_NE(dialog, nullptr);
    const std::vector<std::vector<std::wstring>> expected{{L"植えられたDLL", L"インストール済み"},
                                                          {L"拡張子なし", L"インストール済み"}};
    EXPECT_EQ(ListViewRows(ControlById(dialog, kList1), 2), expected);
    // The details read the version record of the planted file, again without running it.
    ASSERT_TRUE(SelectListRow(ControlById(dialog, kList1), 0));
    PressButtonId(dialog, kDetailsButton);
    HWND details = WaitForDialogCaption(pruvo.Pid(), L"DLLバージョン情報");
    ASSERT_NE(details, nullptr);
    const auto rows = ListViewRows(ControlById(details, kList2), 3);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], L"planted.dll");
    EXPECT_EQ(rows[0][2], L"");
    PressButtonId(details, IDOK);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(pruvo.WaitExit());
    for (const std::wstring& marker : Markers(m_run.installerFolder)) {
        ADD_FAILURE() << "code of a checked DLL ran: " << Narrow(marker);
    }
}

TEST_F(PruvoPlantedDlls, SystemDllsPlantedBesideTheProgramOrInTheCurrentDirectoryAreNotLoaded) {
    // The DLLs the program loads itself. (Under Wine, user32 itself imports version.dll and the
    // common controls delay-load uxtheme.dll through the program folder, before or beyond the
    // program's reach; on Windows neither happens, and the import table test covers the rest.)
    const std::vector<const wchar_t*> kPlanted{L"shell32.dll", L"ole32.dll", L"comctl32.dll"};
    for (const wchar_t* name : kPlanted) {
        PlaceMarkerDll(m_run.programFolder.File(name));
        PlaceMarkerDll(m_run.installerFolder.File(name));
    }
    WriteAnsiProfile(m_run.Profile(), {L"[Pruvo]", L"NumbersOfDlls=1", L"ExecuteLink=setup.ex_, setup.exe", L"[Dlls]",
                                       L"1=kernel32.dll", L"[Runtimes]", L"1=基本", L"[Urls]", L"1=page.exe"});
    PlaceMarkerProgram(m_run.installerFolder.File(L"setup.ex_"));
    PlaceMarkerProgram(m_run.installerFolder.File(L"page.exe"));
    // Windows prefers a DLL found along the search order; Wine by default keeps its own
    // built-in DLL instead, unless told to prefer a DLL file as Windows does.
    WineFilesFirst preferFiles(L"pruvo.exe", kPlanted);
    Process pruvo = m_run.Start();
    HWND dialog = WaitForMainDialog(pruvo.Pid());
    if (dialog == nullptr) {
        ExpectNoPlantedDllRan();
        FAIL() << "the main dialog did not appear";
    }
    // Every path that loads a DLL: details (version information), download and continue (shell).
    ASSERT_TRUE(SelectListRow(ControlById(dialog, kList1), 0));
    PressButtonId(dialog, kDetailsButton);
    HWND details = WaitForDialogCaption(pruvo.Pid(), L"DLLバージョン情報");
    ASSERT_NE(details, nullptr);
    EXPECT_FALSE(ListViewRows(ControlById(details, kList2), 3).at(0).at(2).empty()) << "no version read";
    PressButtonId(details, IDOK);
    ASSERT_TRUE(WaitWindowGone(details));
    PressButtonId(dialog, kDownloadButton);
    EXPECT_TRUE(WaitUntil([&] { return FileExists(m_run.installerFolder.File(L"page.marker")); }));
    PressButtonId(dialog, IDOK);
    EXPECT_TRUE(pruvo.WaitExit());
    EXPECT_TRUE(WaitUntil([&] { return FileExists(m_run.installerFolder.File(L"setup.marker")); }));
    ExpectNoPlantedDllRan();
}

}  // namespace
