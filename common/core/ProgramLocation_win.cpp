#include <windows.h>
#include <shlobj.h>

#include "ProgramLocation.h"
#include "Utf16.h"

namespace {

std::string FromWide(std::wstring_view wide) {
    return Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

std::wstring ToWide(const std::string& utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // truncated: try a larger buffer
    }
}

// Whether a new file can be made in folder: the only reliable test is to make one.
bool CanCreateFilesIn(const std::string& folder) {
    const std::wstring probe =
        ToWide(JoinPath(folder, "~pimmo-probe-" + std::to_string(GetCurrentProcessId()) + ".tmp"));
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

std::string AppDataFolder() {
    PWSTR raw = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &raw)))
        folder = FromWide(raw);
    CoTaskMemFree(raw);
    return folder;
}

std::string FindProfileFolder() {
    const std::string programFolder = ProgramFolder();
    const bool canCreateFiles = CanCreateFilesIn(programFolder);
    const std::string folder =
        ChooseProfileFolder(programFolder, canCreateFiles, canCreateFiles ? "" : AppDataFolder());
    if (folder != programFolder)
        CreateDirectoryW(ToWide(folder).c_str(), nullptr);  // fails harmlessly when it exists
    return folder;
}

}  // namespace

std::string ProgramFolder() {
    const std::wstring path = ModulePath();
    const size_t slash = path.find_last_of(L"\\/");
    return FromWide(slash == std::wstring::npos ? std::wstring_view() : std::wstring_view(path).substr(0, slash));
}

std::string ProgramBaseName() {
    std::wstring name = ModulePath();
    const size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos)
        name.erase(dot);
    return FromWide(name);
}

std::string ProfileFolder() {
    static const std::string folder = FindProfileFolder();
    return folder;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/')
        return folder + name;
    return folder + "\\" + name;
}
