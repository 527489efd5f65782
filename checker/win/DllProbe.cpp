#include "checker/win/DllProbe.h"

#include <windows.h>

#include "base/core/ProgramPath.h"
#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "checker/core/LoaderSearch.h"
#include "checker/win/CheckerProgram.h"
#include "checker/win/FileVersion.h"

namespace Pruvo {
namespace {

// Mapped as a data file and image resource: the system checks the image but runs no code of
// it, and none of the DLLs it imports are loaded.
constexpr DWORD kDataOnly = LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE;

bool LoadsAsData(const std::wstring& nameOrPath) {
    UniqueModule module(LoadLibraryExW(nameOrPath.c_str(), nullptr, kDataOnly));
    if (!module) {
        // An image of the other bitness may refuse to map as an image resource.
        module.Reset(LoadLibraryExW(nameOrPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    }
    return static_cast<bool>(module);
}

std::wstring EnvironmentVariable(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return {};
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
}

std::wstring SystemFolder(UINT(WINAPI* get)(LPWSTR, UINT)) {
    wchar_t folder[MAX_PATH + 1] = {};
    const UINT length = get(folder, MAX_PATH + 1);
    return length <= MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

// The folders the loader would look through for a DLL named without a folder. The process's
// own default search is restricted to the system folder, so it is spelt out here.
std::wstring LoaderPath() {
    const std::wstring windows = SystemFolder(GetWindowsDirectoryW);
    LoaderFolders folders;
    folders.programFolder = ProgramFolder();
    folders.systemFolder = Narrow(SystemFolder(GetSystemDirectoryW));
    folders.legacySystemFolder = windows.empty() ? std::string() : Narrow(windows + L"\\System");
    folders.windowsFolder = Narrow(windows);
    folders.currentFolder = CurrentDirectory();
    folders.pathVariable = Narrow(EnvironmentVariable(L"PATH"));
    return Widen(LoaderSearchPath(folders));
}

std::optional<std::wstring> Search(const wchar_t* folders, const std::wstring& name, const wchar_t* extension) {
    std::wstring path(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length = SearchPathW(folders, name.c_str(), extension, size, path.data(), nullptr);
        if (length == 0)
            return std::nullopt;
        if (length < size) {
            path.resize(length);
            return path;
        }
        path.assign(length, L'\0');  // too small: length is the size needed
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> SearchDllPath(const std::string& name) {
    if (name.empty())
        return std::nullopt;
    const auto path = Search(nullptr, Widen(name), nullptr);
    return path ? std::optional<std::string>(Narrow(*path)) : std::nullopt;
}

bool IsDllPresent(const std::string& name) {
    if (name.empty())
        return false;
    const std::wstring wideName = Widen(name);
    // Side-by-side assemblies, API sets and the system folder, through the process's own search.
    if (LoadsAsData(wideName))
        return true;
    // The rest of the loader's order, with ".dll" added to a name without extension as the loader does.
    const std::wstring loaderPath = LoaderPath();
    if (const auto found = Search(loaderPath.c_str(), wideName, L".dll"); found && LoadsAsData(*found))
        return true;
    // A file the path search finds counts as present even when it is no loadable DLL.
    return Search(nullptr, wideName, nullptr).has_value();
}

bool DllProbe::IsDllPresent(const std::string& name) const {
    return Pruvo::IsDllPresent(name);
}

std::optional<std::string> DllProbe::FindFile(const std::string& name) const {
    return SearchDllPath(name);
}

std::string DllProbe::FileVersion(const std::string& path) const {
    return ReadFileVersion(path);
}

}  // namespace Pruvo
