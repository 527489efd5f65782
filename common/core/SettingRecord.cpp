#include "common/core/SettingRecord.h"

SettingRecord NewSettingRecord(const CalendarDate& today) {
    SettingRecord record;
    record.IsStretched = 0;
    record.PimmoBirthDay = today;
    record.PimmoName = "Pimmo";
    record.PictureFile.clear();
    record.WindowPosition = 0;
    record.LastWindowBorder = 1;
    record.LastWindowLeft = 0;
    record.LastWindowTop = 0;
    record.PictureSize = 160;
    record.StretchMode = 2;
    record.IsStretchBmpCashed = 0;
    return record;
}

PictureOrder OrderOf(const SettingRecord& record) {
    if (record.PictureFolder.empty() || record.PictureOrder == static_cast<int16_t>(PictureOrder::OneFile))
        return PictureOrder::OneFile;
    if (record.PictureOrder == static_cast<int16_t>(PictureOrder::OneADay))
        return PictureOrder::OneADay;
    if (record.PictureOrder == static_cast<int16_t>(PictureOrder::ThisDay))
        return PictureOrder::ThisDay;
    if (record.PictureOrder == static_cast<int16_t>(PictureOrder::Interval))
        return PictureOrder::Interval;
    return PictureOrder::Newest;
}

bool UsesPictureFolder(const SettingRecord& record) {
    return OrderOf(record) != PictureOrder::OneFile;
}

bool WritesFolderKeys(const SettingRecord& record) {
    return record.FolderKeysStored || !record.PictureFolder.empty() || record.PictureOrder != 0;
}
