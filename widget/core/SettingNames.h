#pragma once
// Names derived from the setting number: its profile section and its scaled-picture cache file.
#include <cstdint>
#include <string>

// "PIMMO" for the unnumbered setting 0, otherwise "PIMMO" + number ("PIMMO3", "PIMMO-2").
std::string SettingSectionFor(int16_t settingNumber);
// "\pmCache.bmp" for setting 0, otherwise "\pmCache" + number + ".bmp".
std::string CacheNameFor(int16_t settingNumber);
