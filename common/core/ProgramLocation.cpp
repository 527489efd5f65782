#include "common/core/ProgramLocation.h"

std::string ChooseProfileFolder(const std::string& programFolder,
                                bool canCreateFiles,
                                const std::string& appDataFolder) {
    if (canCreateFiles || appDataFolder.empty())
        return programFolder;
    return JoinPath(appDataFolder, "Pimmo");
}
