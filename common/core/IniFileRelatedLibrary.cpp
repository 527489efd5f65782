#include "common/core/IniFileRelatedLibrary.h"

#include "common/core/ProfileAccess.h"
#include "common/core/ProgramLocation.h"
#include "common/core/UserName.h"

namespace IniFileRelatedLibrary {

std::string ProfileFilePath(const std::string& defaultName, const std::string& extension) {
    return ComposeProfileFilePath(ProfileFolder(), CurrentUserName(), defaultName, extension);
}

ProfileSelection SelectProfile(const std::string& fileName, const std::string& sectionName) {
    return {fileName.empty() ? JoinPath(ProfileFolder(), ProgramBaseName() + ".ini") : fileName,
            sectionName.empty() ? ProgramBaseName() : sectionName};
}

std::string ReadProfileValue(const ProfileSelection& selection,
                             const std::string& key,
                             const std::string& defaultValue) {
    return ReadProfileEntry(selection.file, selection.section, key, defaultValue);
}

int32_t WriteProfileValue(const ProfileSelection& selection, const std::string& key, const std::string& value) {
    return WriteProfileEntry(selection.file, selection.section, key, value) ? 1 : 0;
}

}  // namespace IniFileRelatedLibrary
