#include "HouseNames.h"

#include "IniFileRelatedLibrary.h"

namespace PimmoHouseModule {

std::string HouseProfileFile() {
    return IniFileRelatedLibrary::ProfileFilePath("Pimmo", "ini");
}

std::string HouseSettingSection(int16_t settingNumber) {
    return settingNumber == 0 ? "Pimmo" : "Pimmo" + std::to_string(settingNumber);
}

}  // namespace PimmoHouseModule
