#include <windows.h>
#include <shlobj.h>

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "common/core/ProgramLocation.h"

namespace {

// Whether a new file can be made in folder: the only reliable test is to make one.
bool CanCreateFilesIn(const std::string& folder) {
    const std::wstring probe =
        Widen(JoinPath(folder, "~pimmo-probe-" + std::to_string(GetCurrentProcessId()) + ".tmp"));
    const UniqueFile file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE,
                                      nullptr));
    return static_cast<bool>(file);
}

std::string AppDataFolder() {
    PWSTR raw = nullptr;
    const bool found = SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &raw));
    const UniqueCoTaskMemString path(raw);  // allocated even on failure
    return found ? Narrow(path.Get()) : std::string();
}

std::string FindProfileFolder() {
    const std::string programFolder = ProgramFolder();
    const bool canCreateFiles = CanCreateFilesIn(programFolder);
    const std::string folder =
        ChooseProfileFolder(programFolder, canCreateFiles, canCreateFiles ? "" : AppDataFolder());
    if (folder != programFolder)
        CreateDirectoryW(Widen(folder).c_str(), nullptr);  // fails harmlessly when it exists
    return folder;
}

}  // namespace

std::string ProfileFolder() {
    static const std::string folder = FindProfileFolder();
    return folder;
}
