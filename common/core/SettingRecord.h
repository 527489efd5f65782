#pragma once
// One setting of the widget as it lives in memory (its section's keys: SettingKeys.h).
#include <cstdint>
#include <string>

#include "CalendarDate.h"

struct SettingRecord {
    int16_t WindowPosition = 0;  // 0 normal, 1 always on top, other values at the bottom
    std::string PictureFile;     // full path of the picture, empty when none is chosen
    int32_t LastWindowTop = 0;   // twips, screen coordinates of the current window's outer rectangle
    int32_t LastWindowLeft = 0;
    int16_t LastWindowBorder = 0;  // 0 borderless window, other values the bordered one
    std::string PimmoName;
    CalendarDate PimmoBirthDay;
    int16_t IsStretched = 0;
    int16_t PictureSize = 0;  // pixels
    int16_t StretchMode = 0;  // 0 width, 1 height, 2 the longer side
    int16_t IsStretchBmpCashed = 0;
};

// The record of a setting created anew: a bordered window at the screen origin, the picture
// at its natural size, born today.
SettingRecord NewSettingRecord(const CalendarDate& today);
