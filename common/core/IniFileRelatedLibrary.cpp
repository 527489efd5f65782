#include "IniFileRelatedLibrary.h"

#include "ProfileAccess.h"
#include "ProgramLocation.h"
#include "UserName.h"

namespace IniFileRelatedLibrary {
namespace {

// The selection: program-wide, replaced only by SelectProfile.
struct Selection {
    std::string file;
    std::string section;
};

Selection& CurrentSelection() {
    static Selection selection;
    return selection;
}

}  // namespace

std::string ProfileFilePath(const std::string& defaultName, const std::string& extension) {
    return ComposeProfileFilePath(ProfileFolder(), CurrentUserName(), defaultName, extension);
}

void SelectProfile(const std::string& fileName, const std::string& sectionName) {
    Selection& selection = CurrentSelection();
    selection.file = fileName.empty() ? JoinPath(ProfileFolder(), ProgramBaseName() + ".ini") : fileName;
    selection.section = sectionName.empty() ? ProgramBaseName() : sectionName;
}

std::string ReadProfileValue(const std::string& key, const std::string& defaultValue) {
    const Selection& selection = CurrentSelection();
    return ReadProfileEntry(selection.file, selection.section, key, defaultValue);
}

int32_t WriteProfileValue(const std::string& key, const std::string& value) {
    const Selection& selection = CurrentSelection();
    return WriteProfileEntry(selection.file, selection.section, key, value) ? 1 : 0;
}

int32_t WriteProfileValues(const ProfileSectionValues& values) {
    const Selection& selection = CurrentSelection();
    return WriteProfileSectionValues(selection.file, selection.section, values) ? 1 : 0;
}

ProfileSectionValues ReadProfileSection() {
    const Selection& selection = CurrentSelection();
    return ReadProfileSectionValues(selection.file, selection.section);
}

ProfileSectionUpdate UpdateProfileSection(const ProfileSectionDecision& decide) {
    const Selection& selection = CurrentSelection();
    return ::UpdateProfileSection(selection.file, selection.section, decide);
}

}  // namespace IniFileRelatedLibrary
