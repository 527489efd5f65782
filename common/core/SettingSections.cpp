#include "common/core/SettingSections.h"

#include "base/core/ProgramPath.h"
#include "common/core/IniFileRelatedLibrary.h"

namespace {

constexpr char kWidgetSectionPrefix[] = "PIMMO";
constexpr char kHouseSectionPrefix[] = "Pimmo";
// house names the profile file after "Pimmo" when the user name cannot be read.
constexpr char kHouseFallbackFileName[] = "Pimmo";

std::string NumberedSection(const char* prefix, int16_t settingNumber) {
    return settingNumber == 0 ? prefix : prefix + std::to_string(settingNumber);
}

}  // namespace

std::string SettingSectionFor(int16_t settingNumber) {
    return NumberedSection(kWidgetSectionPrefix, settingNumber);
}

std::string HouseSettingSection(int16_t settingNumber) {
    return NumberedSection(kHouseSectionPrefix, settingNumber);
}

std::string WidgetProfileFile() {
    return IniFileRelatedLibrary::ProfileFilePath(ProgramBaseName(), "ini");
}

std::string HouseProfileFile() {
    return IniFileRelatedLibrary::ProfileFilePath(kHouseFallbackFileName, "ini");
}
