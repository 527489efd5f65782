#pragma once
// The records profile_writer saves in its settings mode: save number g goes to the section of
// setting 1 + g % sections and holds a record in which every key differs from save g - 1's, so
// that a section mixed of two saves shows.
#include <string>

#include "common/core/SettingRecord.h"

inline int GenerationSetting(int generation, int sections) {
    return 1 + generation % sections;
}

inline SettingRecord GenerationRecord(int g) {
    SettingRecord record;
    record.WindowPosition = static_cast<int16_t>(g % 3);
    record.PictureFile = "C:\\写真\\photo" + std::to_string(g) + ".jpg";
    record.LastWindowTop = g * 7;
    record.LastWindowLeft = -g;
    record.LastWindowBorder = static_cast<int16_t>(g % 2);
    record.PimmoName = "name" + std::to_string(g);
    record.PimmoBirthDay = {2000 + g % 20, 1 + g % 12, 1 + g % 28};
    record.IsStretched = static_cast<int16_t>(g % 2);
    record.PictureSize = static_cast<int16_t>(g % 1000);
    record.StretchMode = static_cast<int16_t>(g % 3);
    record.IsStretchBmpCashed = static_cast<int16_t>(1 - g % 2);
    return record;
}
