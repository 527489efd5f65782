#pragma once
// How old the child was in the photo shown: the photo's day taken against the birthday, in the
// widget's own age format, for the photo's tooltip.
#include <optional>
#include <string>

#include "base/core/Language.h"
#include "common/core/CalendarDate.h"
#include "common/core/SettingRecord.h"
#include "widget/core/ExifReader.h"
#include "widget/core/PhotoFolderSetting.h"

// The calendar day of a wall-clock time.
CalendarDate LocalDateOf(LocalSeconds time);

// "この写真: 1歳2ヶ月3日" ("This photo: 1 year 2 months 3 days"), or "この写真: 生まれる前"
// ("This photo: before birth") for a photo taken before the birthday;
// empty when either day is no valid date.
std::string PhotoAgeText(const CalendarDate& birthday, const CalendarDate& taken, Language language = UserLanguage());

// The tooltip's lines about the photo shown, empty when nothing is known of its day: for a
// folder setting its entry of the scan (the Exif date, else the file's time) and, for "この日の
// 写真", the years since ("3年前の今日"); for one file oneFileTaken, its Exif date if it has one.
std::string PhotoMemoryLines(const SettingRecord& record,
                             const FolderView& folder,
                             const std::optional<LocalSeconds>& oneFileTaken,
                             const CalendarDate& today);
