#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "ProgramLocation.h"

namespace {

std::filesystem::path ModulePath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

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

std::string ProgramFolder() {
    return ModulePath().parent_path().string();
}

std::string ProgramBaseName() {
    return ModulePath().stem().string();
}

std::string ProfileFolder() {
    static const std::string folder = FindProfileFolder();
    return folder;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}
