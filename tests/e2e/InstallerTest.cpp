// The setup program as a user runs it: a silent install into a fresh folder, an upgrade over it,
// the uninstaller, and the runtime checker in the distribution folder that opens the setup.
#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

#include "tests/e2e/support/E2e.h"
#include "tests/e2e/support/InstallerDriver.h"
#include "tests/e2e/support/PruvoDriver.h"

using namespace e2e;
using namespace e2e::installer;

namespace {

const std::wstring kProgramFiles[] = {L"pimmo.exe", L"house.exe", L"pimmo.hlp"};

std::wstring BuiltFile(const std::wstring& name) {
    return BinDir() + (name == L"house.exe" ? L"\\manager\\" : L"\\widget\\") + name;
}

// A profile and two caches as a user's widgets leave them.
struct UserFiles {
    std::wstring profile;
    std::string profileBytes =
        "[PimmoHouse]\r\nNumbersOfSettings=1\r\nSetting1=1\r\n[PIMMO1]\r\nPimmoName=\x82\xD0\x82\xE6\r\n";
    std::string cacheBytes = std::string("BM") + std::string(62, '\x07');
    void Place(const InstallFolder& folder) {
        profile = folder.ProfilePath();
        WriteFileBytes(profile, profileBytes);
        WriteFileBytes(folder.File(L"pmCache.bmp"), cacheBytes);
        WriteFileBytes(folder.File(L"pmCache1.bmp"), cacheBytes + "1");
    }
    void ExpectKept(const InstallFolder& folder) const {
        EXPECT_EQ(ReadFileBytes(profile), profileBytes);
        EXPECT_EQ(ReadFileBytes(folder.File(L"pmCache.bmp")), cacheBytes);
        EXPECT_EQ(ReadFileBytes(folder.File(L"pmCache1.bmp")), cacheBytes + "1");
    }
};

TEST(InstallerSilent, PutsProgramsShortcutsRunValueAndUninstallEntryInPlace) {
    InstallFolder folder;
    ASSERT_EQ(folder.Install(), 0u);
    for (const std::wstring& name : kProgramFiles)
        EXPECT_EQ(ReadFileBytes(folder.File(name)), ReadFileBytes(BuiltFile(name))) << name;
    EXPECT_TRUE(FileExists(folder.File(L"uninstall.exe")));
    EXPECT_TRUE(FileExists(StartMenuFolder() + L"\\Pimmoハウス.lnk"));
    EXPECT_TRUE(FileExists(StartMenuFolder() + L"\\Pimmo ヘルプ.lnk"));
    EXPECT_EQ(ReadUserString(kRunKey, kRunValue), L"\"" + folder.File(L"house.exe") + L"\"");

    const struct {
        const wchar_t* name;
        std::wstring expected;
    } entry[] = {
        {L"DisplayName", L"Pimmo"},          {L"DisplayVersion", L"1.10.0"},
        {L"Publisher", L"Pimmo Project"},    {L"DisplayIcon", folder.File(L"pimmo.exe") + L",0"},
        {L"InstallLocation", folder.Path()}, {L"UninstallString", L"\"" + folder.File(L"uninstall.exe") + L"\""},
    };
    for (const auto& value : entry)
        EXPECT_EQ(ReadUserString(kUninstallKey, value.name), value.expected) << value.name;
    EXPECT_GT(ReadUserNumber(kUninstallKey, L"EstimatedSize").value_or(0), 0u);
}

// The version record of a program file: a string of its first translation.
std::wstring VersionString(const std::wstring& exe, const std::wstring& name) {
    DWORD ignored = 0;
    std::vector<BYTE> record(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
    if (record.empty() || !GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(record.size()), record.data()))
        return L"<no version record>";
    WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length))
        return L"<no translation>";
    wchar_t path[64];
    swprintf(path, 64, L"\\StringFileInfo\\%04X%04X\\", translation[0], translation[1]);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(record.data(), (path + name).c_str(), reinterpret_cast<void**>(&value), &length))
        return L"<absent>";
    return value;
}

// Windows 7 (a copy of the prefix set to it) is refused before the setup writes anything.
TEST(InstallerOldWindows, RefusesWindows7BeforeItChangesAnything) {
    EXPECT_EQ(SetupInOldWindows("win7"), "6.1.7601 2 nothing");
}

TEST(InstallerDistribution, SetupProgramCarriesItsVersionRecord) {
    const struct {
        const wchar_t* name;
        const wchar_t* expected;
    } cases[] = {
        {L"ProductName", L"Pimmo"},         {L"ProductVersion", L"1.10.0"},
        {L"FileVersion", L"1.10.0"},        {L"FileDescription", L"Pimmo セットアップ"},
        {L"CompanyName", L"Pimmo Project"},
    };
    for (const auto& item : cases)
        EXPECT_EQ(VersionString(SetupProgram(), item.name), item.expected) << item.name;
}

TEST(InstallerSilent, StartAtLogOnIsAChoice) {
    InstallFolder folder;
    ASSERT_EQ(folder.Install(L"/NoRun"), 0u);
    EXPECT_TRUE(FileExists(folder.File(L"house.exe")));
    EXPECT_EQ(ReadUserString(kRunKey, kRunValue), std::nullopt);
}

TEST(InstallerUpgrade, KeepsProfileAndCachesByteForByteAndReplacesThePrograms) {
    InstallFolder folder;
    ASSERT_EQ(folder.Install(), 0u);
    UserFiles user;
    user.Place(folder);
    WriteFileBytes(folder.File(L"pimmo.exe"), "an older widget");  // stands in for the previous build
    ASSERT_EQ(folder.Install(), 0u);
    user.ExpectKept(folder);
    EXPECT_EQ(ReadFileBytes(folder.File(L"pimmo.exe")), ReadFileBytes(BuiltFile(L"pimmo.exe")));
}

// A running widget holds its program file (the manager does too); the setup asks for them to be
// closed, and a silent run, which cannot ask, stops before it changes anything.
TEST(InstallerUpgrade, RunningWidgetStopsTheSilentSetupBeforeItChangesAnything) {
    InstallFolder folder;
    ASSERT_EQ(folder.Install(), 0u);
    WriteFileBytes(folder.File(L"pimmo.hlp"), "the previous help");
    // A setting that does not exist yet: the widget waits in its setting wizard.
    Process widget = Process::Start(folder.File(L"pimmo.exe"), L"/S1");
    ASSERT_TRUE(WaitUntil([&] { return !TopLevelWindows(widget.Pid()).empty(); }));

    EXPECT_NE(folder.Install(), 0u);
    EXPECT_EQ(ReadFileBytes(folder.File(L"pimmo.hlp")), "the previous help");
    EXPECT_TRUE(UserKeyExists(kUninstallKey));

    widget.Kill();  // the user closes the widget: now the same setup goes through
    EXPECT_EQ(folder.Install(), 0u);
    EXPECT_EQ(ReadFileBytes(folder.File(L"pimmo.hlp")), ReadFileBytes(BuiltFile(L"pimmo.hlp")));
}

struct UninstallCase {
    const wchar_t* switches;
    bool userFilesKept;
};

class InstallerUninstall : public testing::TestWithParam<UninstallCase> {};

TEST_P(InstallerUninstall, RemovesProgramsShortcutsRunValueAndEntry) {
    InstallFolder folder;
    ASSERT_EQ(folder.Install(), 0u);
    UserFiles user;
    user.Place(folder);
    ASSERT_EQ(folder.Uninstall(GetParam().switches), 0u);
    for (const std::wstring& name : kProgramFiles)
        EXPECT_FALSE(FileExists(folder.File(name))) << name;
    EXPECT_FALSE(FileExists(StartMenuFolder()));
    EXPECT_EQ(ReadUserString(kRunKey, kRunValue), std::nullopt);
    EXPECT_FALSE(UserKeyExists(kUninstallKey));
    if (GetParam().userFilesKept) {
        user.ExpectKept(folder);
    } else {
        EXPECT_FALSE(FileExists(user.profile));
        EXPECT_FALSE(FileExists(folder.File(L"pmCache1.bmp")));
    }
}

INSTANTIATE_TEST_SUITE_P(Installer,
                         InstallerUninstall,
                         testing::Values(UninstallCase{L"", true}, UninstallCase{L"/RemoveUserData", false}));

// For every user: the programs in a folder the user's programs cannot write to (Program Files
// to anyone but an administrator), the entry in HKLM, the shortcuts in the common Start menu; the
// widget then keeps the profile in %APPDATA%\Pimmo, which the uninstaller leaves in place.
TEST(InstallerAllUsers, EntryAndShortcutsForEveryUserAndTheProfileInAppData) {
    if (FileExists(AppDataPimmo()))
        GTEST_SKIP() << "this prefix already holds a user's %APPDATA%\\Pimmo";
    InstallFolder folder;
    ASSERT_EQ(folder.Install(L"/AllUsers"), 0u);
    EXPECT_EQ(ReadMachineString(kUninstallKey, L"InstallLocation"), folder.Path());
    EXPECT_EQ(ReadMachineString(kUninstallKey, L"DisplayName"), L"Pimmo");
    EXPECT_FALSE(UserKeyExists(kUninstallKey));
    EXPECT_TRUE(FileExists(CommonStartMenuFolder() + L"\\Pimmoハウス.lnk"));
    EXPECT_EQ(ReadUserString(kRunKey, kRunValue), L"\"" + folder.File(L"house.exe") + L"\"");

    const std::wstring appDataProfile = AppDataPimmo() + L"\\" + folder.ProfilePath().substr(folder.Path().size() + 1);
    {
        UnwritableFolder readOnly(folder.Path());
        ASSERT_TRUE(readOnly.Holds()) << "the folder could not be made unwritable";
        Process widget = Process::Start(folder.File(L"pimmo.exe"), L"/D1");
        EXPECT_TRUE(widget.WaitExit());
    }
    EXPECT_TRUE(FileExists(appDataProfile));
    EXPECT_FALSE(FileExists(folder.ProfilePath()));

    ASSERT_EQ(folder.Uninstall(), 0u);
    EXPECT_FALSE(FileExists(folder.File(L"pimmo.exe")));
    EXPECT_EQ(ReadMachineString(kUninstallKey, L"DisplayName"), std::nullopt);
    EXPECT_FALSE(FileExists(CommonStartMenuFolder()));
    EXPECT_EQ(ReadUserString(kRunKey, kRunValue), std::nullopt);
    EXPECT_TRUE(FileExists(appDataProfile));
    TempFolder::RemoveTree(AppDataPimmo());
}

// The checker in front of the setup: everything it lists is installed, and 継続 opens the setup.
TEST(InstallerDistribution, PruvoListsItsLibrariesAsInstalledAndContinuesIntoTheSetup) {
    TempFolder dist;
    for (const wchar_t* name : {L"pruvo.exe", L"pruvo.ini", L"pruvo.hlp", L"PimmoSetup.exe"})
        ASSERT_TRUE(CopyFileW((DistDir() + L"\\" + name).c_str(), dist.File(name).c_str(), FALSE)) << name;
    Process pruvo = Process::Start(dist.File(L"pruvo.exe"), L"", dist.Path());
    HWND dialog = pruvo::WaitForMainDialog(pruvo.Pid());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), L"ランタイムのチェック");
    const auto rows = ListViewRows(ControlById(dialog, pruvo::kList1), 2);
    EXPECT_EQ(rows.size(), 4u);
    for (const auto& row : rows)
        EXPECT_EQ(row.at(1), L"インストール済み") << row.at(0);
    ASSERT_EQ(WindowText(ControlById(dialog, IDOK)), L"継続");

    ASSERT_TRUE(PressButtonId(dialog, IDOK));
    EXPECT_TRUE(pruvo.WaitExit());
    const std::wstring setup = dist.File(L"PimmoSetup.exe");
    EXPECT_TRUE(WaitUntil([&] { return !ProcessesOf(setup).empty(); })) << "the setup program was not started";
    EndProcessesOf(setup);
}

// house from the installed folder starts one widget per listed setting that is not locked.
TEST(InstalledHouse, StartsTheListedWidgets) {
    InstallFolder folder;
    ASSERT_EQ(folder.Install(), 0u);
    WriteFileBytes(folder.ProfilePath(),
                   "[PimmoHouse]\r\nNumbersOfSettings=2\r\nSetting1=1\r\nSetting2=2\r\n"
                   "[PIMMO1]\r\nLockSetting=\r\n[PIMMO2]\r\nLockSetting=locked\r\n");
    Process house = Process::Start(folder.File(L"house.exe"), L"");
    const std::wstring widget = folder.File(L"pimmo.exe");
    EXPECT_TRUE(WaitUntil([&] {
        return ReadProfileString(folder.ProfilePath(), L"PIMMO1", L"LockSetting") == L"locked";
    })) << "no widget took setting 1";
    Sleep(1500);  // time for a wrongly started second widget to show
    EXPECT_EQ(ProcessesOf(widget).size(), 1u);
    EndProcessesOf(widget);
}

}  // namespace
