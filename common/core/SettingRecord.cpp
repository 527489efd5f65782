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

bool UsesPictureFolder(const SettingRecord& record) {
    return !record.PictureFolder.empty() && record.PictureOrder != 0;
}

bool WritesFolderKeys(const SettingRecord& record) {
    return record.FolderKeysStored || !record.PictureFolder.empty() || record.PictureOrder != 0;
}
