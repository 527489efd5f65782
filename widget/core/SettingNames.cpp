#include "widget/core/SettingNames.h"

std::string CacheNameFor(int16_t settingNumber) {
    return settingNumber == 0 ? "\\pmCache.bmp" : "\\pmCache" + std::to_string(settingNumber) + ".bmp";
}
