#pragma once
// The widget's own file of a setting number: its scaled-picture cache (its profile section is
// the shared layout's, SettingSections.h).
#include <cstdint>
#include <string>

// "\pmCache.bmp" for setting 0, otherwise "\pmCache" + number + ".bmp".
std::string CacheNameFor(int16_t settingNumber);
