#include "common/core/IniFileRelatedLibrary.h"

#include "common/core/ProfileAccess.h"
#include "common/core/ProgramLocation.h"
#include "common/core/UserName.h"

namespace IniFileRelatedLibrary {

std::string ProfileFilePath(const std::string& defaultName, const std::string& extension) {
    return ComposeProfileFilePath(ProfileFolder(), CurrentUserName(), defaultName, extension);
}

}  // namespace IniFileRelatedLibrary
