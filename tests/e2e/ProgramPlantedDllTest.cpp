// pimmo and house run from folders where files of anyone's choosing may lie (a per-user install
// folder, a folder a zip was unpacked into): they load no DLL planted there under a system DLL's
// name. They import only DLLs the system always takes from its own folder, and restrict the DLL
// search to the system folder first thing in their entry point, before any delay-loaded DLL
// (version, wtsapi32, ...) and anything the system loads on their behalf.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "tests/e2e/support/E2e.h"
#include "tests/e2e/support/HouseDriver.h"
#include "tests/e2e/support/PhotoDriver.h"
#include "tests/e2e/support/PhotoPictures.h"
#include "tests/e2e/support/PlantedDlls.h"
#include "tests/e2e/support/PruvoDriver.h"

using namespace e2e;

namespace {

// Known DLLs, which the system maps from its own folder whatever the search order says, and
// API sets ("api-ms-win-..."), which the loader resolves by its schema.
bool TakenFromTheSystemFolder(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    static const std::vector<std::string> kKnownDlls{"ntdll.dll",    "kernel32.dll", "user32.dll", "gdi32.dll",
                                                     "advapi32.dll", "msvcrt.dll",   "ole32.dll",  "oleaut32.dll",
                                                     "shell32.dll",  "comdlg32.dll", "shlwapi.dll"};
    return name.rfind("api-ms-win-", 0) == 0 ||
           std::find(kKnownDlls.begin(), kKnownDlls.end(), name) != kKnownDlls.end();
}

TEST(ProgramPlantedDlls, PimmoAndHouseImportOnlyDllsTheSystemTakesFromItsOwnFolder) {
    for (const wchar_t* exe : {L"\\widget\\pimmo.exe", L"\\manager\\house.exe"}) {
        // The import table alone: what it names is loaded before the entry point can restrict anything.
        const std::vector<std::string> imported = pruvo::ImportedDlls(BinDir() + exe, false);
        EXPECT_FALSE(imported.empty()) << "the import table was not read";
        for (const std::string& name : imported)
            EXPECT_TRUE(TakenFromTheSystemFolder(name))
                << name << " is imported by " << std::string(exe, exe + wcslen(exe));
    }
}

TEST(ProgramPlantedDlls, PimmoAndHouseLoadNoDllPlantedBesideThem) {
    // Loaded after the entry point has begun: wtsapi32 (pimmo's session notifications,
    // delay-loaded) and uxtheme (themed windows, loaded by the system). Not planted: version.dll,
    // which Wine's own user32 imports before any program code runs (the import table test covers
    // it on Windows).
    const std::vector<const wchar_t*> kPlanted{L"wtsapi32.dll", L"uxtheme.dll"};
    ProgramFolder folder;
    const std::wstring picture = folder.File(L"kid.bmp");
    photo_test::WriteFileBytes(picture, photo_test::QuadrantBmp(64, 48));
    house_e2e::WriteHouseProfile(folder.ProfilePath(), picture, {{3, "Taro", "", ""}}, {3});
    for (const wchar_t* name : kPlanted)
        pruvo::PlaceMarkerDll(folder.File(name));
    WineFilesFirst pimmoTakesFiles(L"pimmo.exe", kPlanted);
    WineFilesFirst houseTakesFiles(L"house.exe", kPlanted);

    // Each runs in its own folder, where a planted DLL that is loaded leaves its marker.
    const auto expectNoMarker = [&](const char* program) {
        for (const std::wstring& marker : Markers(folder)) {
            ADD_FAILURE() << program << " loaded a planted DLL: " << std::string(marker.begin(), marker.end());
            DeleteFileW(folder.File(marker).c_str());
        }
    };
    Process pimmo = Process::Start(folder.Exe(L"pimmo.exe"), L"/S3", folder.Path());
    if (HWND photo = photo_e2e::WaitForPhotoWindow(pimmo.Pid()))
        PostMessageW(photo, WM_CLOSE, 0, 0);
    else
        ADD_FAILURE() << "pimmo showed no photo";
    EXPECT_TRUE(pimmo.WaitExit());
    expectNoMarker("pimmo");
    Process house = Process::Start(folder.Exe(L"house.exe"), L"/s", folder.Path());
    if (HWND form = house_e2e::WaitForManagerWindow(house.Pid()))
        PressButtonId(form, house_e2e::kCommandOK);
    else
        ADD_FAILURE() << "house showed no window";
    EXPECT_TRUE(house.WaitExit());
    expectNoMarker("house");
}

}  // namespace
