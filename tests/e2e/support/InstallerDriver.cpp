#include "tests/e2e/support/InstallerDriver.h"

// After windows.h, which they build on.
#include <shlobj.h>
#include <tlhelp32.h>

namespace e2e::installer {

namespace {

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR raw = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &raw)))
        folder = raw;
    CoTaskMemFree(raw);
    return folder;
}

std::wstring ImagePath(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return {};
    wchar_t path[MAX_PATH * 2];
    DWORD size = MAX_PATH * 2;
    std::wstring image;
    if (QueryFullProcessImageNameW(process, 0, path, &size))
        image.assign(path, size);
    CloseHandle(process);
    return image;
}

std::optional<std::wstring> ReadString(HKEY root, const std::wstring& key, const std::wstring& name) {
    wchar_t value[2048];
    DWORD size = sizeof value;
    if (RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

// Wine's own export names the Unix path of a Windows path.
std::string UnixPathOf(const std::wstring& path) {
    using Convert = char*(CDECL*)(LPCWSTR);
    const auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* unixPath = convert ? convert(path.c_str()) : nullptr;
    if (!unixPath)
        return {};
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

// Wine starts a Unix program given by its Z: path like a Windows one; its handle does not wait
// for the program's end, so the callers watch for the effect.
void RunChattr(const std::string& flag, const std::string& unixPath) {
    std::wstring commandLine = L"Z:\\usr\\bin\\chattr " + std::wstring(flag.begin(), flag.end()) + L" \"" +
                               std::wstring(unixPath.begin(), unixPath.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return;
    WaitForSingleObject(info.hProcess, kExitTimeoutMs);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

}  // namespace

std::wstring DistDir() {
    return BinDir() + L"\\installer\\dist";
}

std::wstring SetupProgram() {
    return DistDir() + L"\\PimmoSetup.exe";
}

std::optional<DWORD> RunToEnd(const std::wstring& exe, const std::wstring& arguments) {
    Process process = Process::Start(exe, arguments);
    return process.WaitExit(kSetupTimeoutMs);
}

std::optional<std::string> SetupInOldWindows(const std::string& version) {
    TempFolder temp;
    const std::wstring result = temp.File(L"result.txt");
    std::string prefix = UnixPathOf(L"C:\\");  // <prefix>/dosdevices/c:/
    prefix = prefix.substr(0, prefix.find("/dosdevices/"));
    const std::string command = "Z:\\bin\\sh " PIMMO_E2E_SUPPORT_DIR "/old-windows-setup \"" + prefix + "\" " +
                                version + " \"" + UnixPathOf(SetupProgram()) + "\" \"" + UnixPathOf(result) + "\"";
    std::wstring commandLine(command.begin(), command.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return std::nullopt;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);  // a Unix program's handle does not wait for its end: the result file tells
    if (!WaitUntil([&] { return FileExists(result); }, 3 * kSetupTimeoutMs))
        return std::nullopt;
    std::string text = ReadFileBytes(result);
    return text.substr(0, text.find('\n'));
}

std::optional<std::wstring> ReadUserString(const std::wstring& key, const std::wstring& name) {
    return ReadString(HKEY_CURRENT_USER, key, name);
}

std::optional<std::wstring> ReadMachineString(const std::wstring& key, const std::wstring& name) {
    return ReadString(HKEY_LOCAL_MACHINE, key, name);
}

std::optional<DWORD> ReadUserNumber(const std::wstring& key, const std::wstring& name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool UserKeyExists(const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

std::wstring StartMenuFolder() {
    return KnownFolder(FOLDERID_Programs) + L"\\Pimmo";
}

std::wstring CommonStartMenuFolder() {
    return KnownFolder(FOLDERID_CommonPrograms) + L"\\Pimmo";
}

std::wstring AppDataPimmo() {
    return KnownFolder(FOLDERID_RoamingAppData) + L"\\Pimmo";
}

std::vector<DWORD> ProcessesOf(const std::wstring& exePath) {
    std::vector<DWORD> pids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return pids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (lstrcmpiW(ImagePath(entry.th32ProcessID).c_str(), exePath.c_str()) == 0)
            pids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return pids;
}

void EndProcessesOf(const std::wstring& exePath) {
    for (DWORD pid : ProcessesOf(exePath)) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (!process)
            continue;
        TerminateProcess(process, 9);
        WaitForSingleObject(process, 10000);
        CloseHandle(process);
    }
}

void RemoveInstallTraces() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kUninstallKey);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kRunValue);
    TempFolder::RemoveTree(StartMenuFolder());
    TempFolder::RemoveTree(CommonStartMenuFolder());
}

UnwritableFolder::UnwritableFolder(const std::wstring& folder) : m_folder(folder), m_unixPath(UnixPathOf(folder)) {
    if (m_unixPath.empty())
        return;
    RunChattr("+i", m_unixPath);
    WaitUntil([&] { return Holds(); }, 5000);
}

UnwritableFolder::~UnwritableFolder() {
    if (m_unixPath.empty())
        return;
    RunChattr("-i", m_unixPath);
    WaitUntil([&] { return !Holds(); }, 5000);
}

bool UnwritableFolder::Holds() const {
    const std::wstring probe = m_folder + L"\\probe.tmp";
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return true;
    CloseHandle(file);
    return false;
}

InstallFolder::InstallFolder() : m_path(m_temp.File(L"Pimmo")) {
    RemoveInstallTraces();
}

InstallFolder::~InstallFolder() {
    EndProcessesOf(File(L"pimmo.exe"));
    EndProcessesOf(File(L"house.exe"));
    if (FileExists(File(L"uninstall.exe")))
        Uninstall();
    RemoveInstallTraces();
    // A program that has just ended can hold its folder for a moment more under Wine.
    WaitUntil(
        [&] {
            TempFolder::RemoveTree(m_temp.Path());
            return !FileExists(m_temp.Path());
        },
        5000);
}

std::wstring InstallFolder::ProfilePath() const {
    wchar_t user[256];
    DWORD size = 256;
    return File(GetUserNameW(user, &size) ? std::wstring(user) + L".ini" : L"pimmo.ini");
}

std::optional<DWORD> InstallFolder::Install(const std::wstring& switches) const {
    // /D= must come last and unquoted.
    return RunToEnd(SetupProgram(), switches + (switches.empty() ? L"" : L" ") + L"/S /D=" + m_path);
}

std::optional<DWORD> InstallFolder::Uninstall(const std::wstring& switches) const {
    return RunToEnd(File(L"uninstall.exe"), switches + (switches.empty() ? L"" : L" ") + L"/S _?=" + m_path);
}

}  // namespace e2e::installer
