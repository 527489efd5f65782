#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "common/core/ProgramLocation.h"

namespace {

std::string FindProfileFolder() {
    const std::string programFolder = ProgramFolder();
    const bool canCreateFiles = access(programFolder.c_str(), W_OK) == 0;
    const char* home = std::getenv("HOME");
    const std::string appData = home == nullptr ? "" : JoinPath(home, ".config");
    const std::string folder = ChooseProfileFolder(programFolder, canCreateFiles, appData);
    std::error_code error;
    if (folder != programFolder)
        std::filesystem::create_directories(folder, error);
    return folder;
}

}  // namespace

std::string ProfileFolder() {
    static const std::string folder = FindProfileFolder();
    return folder;
}
