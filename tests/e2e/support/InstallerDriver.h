#pragma once
// Driving the setup program and its uninstaller under Wine: the distribution folder of the
// build, silent runs into a throwaway folder, and what they leave in the registry and the
// Start menu. Every test ends by removing all of that again, so the prefix stays as it was.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/support/E2e.h"

namespace e2e::installer {

inline constexpr DWORD kSetupTimeoutMs = 60000;
inline constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pimmo";
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValue[] = L"Pimmoハウス";

// The distribution folder of this build: PimmoSetup.exe, pruvo.exe (64-bit), pruvo.ini, pruvo.hlp.
std::wstring DistDir();
std::wstring SetupProgram();

// Runs a program to its end; the exit code, or nullopt after the time-out (the program is ended).
std::optional<DWORD> RunToEnd(const std::wstring& exe, const std::wstring& arguments);

// A string or number of HKEY_CURRENT_USER, or nullopt when the key or value is missing.
std::optional<std::wstring> ReadUserString(const std::wstring& key, const std::wstring& name);
std::optional<std::wstring> ReadMachineString(const std::wstring& key, const std::wstring& name);
std::optional<DWORD> ReadUserNumber(const std::wstring& key, const std::wstring& name);
bool UserKeyExists(const std::wstring& key);

// The user's Start menu folder of the programs (%APPDATA%\Microsoft\Windows\Start Menu\Programs\Pimmo).
std::wstring StartMenuFolder();
// The same folder in the Start menu of all users.
std::wstring CommonStartMenuFolder();
// The user's %APPDATA%\Pimmo, where the programs keep the profile when their folder is read-only.
std::wstring AppDataPimmo();

// Full paths of the running processes started from this program file.
std::vector<DWORD> ProcessesOf(const std::wstring& exePath);
void EndProcessesOf(const std::wstring& exePath);

// Runs the silent setup in a throwaway copy of the prefix that reports the Windows version given
// as winecfg names it ("win7"): "<version the copy reports> <exit code> <what it installed>",
// or nullopt when the copy did not report back in time.
std::optional<std::string> SetupInOldWindows(const std::string& version);

// Removes whatever an installation left: uninstall entries, Run value, shortcuts.
void RemoveInstallTraces();

// While it lives, no file can be created in the folder, not even by root (the Linux immutable
// flag, set through Wine's start of a Unix program): how an administrator's Program Files
// looks to a user's programs. Created() tells whether the flag could be set.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const std::wstring& folder);
    ~UnwritableFolder();
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;
    bool Holds() const;

private:
    std::wstring m_folder;
    std::string m_unixPath;
};

// A folder to install into (a subfolder of a fresh temporary folder, which goes at the end
// with everything the test left in it), with the registry and Start menu cleaned up at the end.
class InstallFolder {
public:
    InstallFolder();
    ~InstallFolder();
    InstallFolder(const InstallFolder&) = delete;
    InstallFolder& operator=(const InstallFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }
    std::wstring ProfilePath() const;

    // Silent setup into this folder with extra switches first; the exit code.
    std::optional<DWORD> Install(const std::wstring& switches = L"") const;
    // The installed uninstaller, silent and waited for (it runs in place with _?=).
    std::optional<DWORD> Uninstall(const std::wstring& switches = L"") const;

private:
    TempFolder m_temp;
    std::wstring m_path;
};

}  // namespace e2e::installer
