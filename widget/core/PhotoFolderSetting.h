#pragma once
// The photo a folder setting shows: chosen from the folder's list by the setting's order, the
// record's fields that follow the choice, and what the tooltip says about it. No window and no
// disk here: the list comes from the folder scan, the record from the session.
#include <cstdint>
#include <optional>
#include <string>

#include "common/core/CalendarDate.h"
#include "common/core/SettingRecord.h"
#include "widget/core/PhotoChoice.h"
#include "widget/core/PictureFolder.h"

// PictureOrder's values.
enum class PictureOrder : int16_t { OneFile = 0, Newest = 1, OneADay = 2 };

PictureOrder OrderOf(const SettingRecord& record);

// What the widget last learned of its folder.
enum class FolderStatus {
    NotScanned,   // the photo shown is the one of the last run (from its cache)
    Shown,        // the photo shown was chosen from the folder
    Empty,        // the folder holds no picture: the photo is missing
    Unreachable,  // missing, unplugged or offline: the last photo stays
};

struct FolderView {
    FolderStatus status = FolderStatus::NotScanned;
    std::optional<PhotoEntry> shown;
};

struct FolderUpdate {
    bool pictureChanged = false;  // PictureFile changed (and the cache was made stale): load it
    bool recordChanged = false;   // PictureFile or the one-a-day state changed: save the record
    FolderView view;
};

// Takes a scan of the record's folder: the newest photo, or today's of "one a day", becomes
// PictureFile (empty when the folder has none); a change makes the scaled cache stale. An
// unreachable folder changes nothing in the record. A new "one a day" shuffles by the setting
// number and entropy (anything that differs between runs).
FolderUpdate TakeFolderScan(SettingRecord& record,
                            const PictureFolderScan& scan,
                            const CalendarDate& today,
                            int settingNumber,
                            uint64_t entropy);

// Chooses a folder on the record (dropped, or picked in the options): the newest photo unless
// an order is chosen already. The photo itself follows the next scan.
void TakeFolder(SettingRecord& record, const std::string& folder);

// Back to one file (a picture chosen or dropped): the folder is left.
void LeaveFolder(SettingRecord& record);

// "one a day" needs a new photo: the day of the photo shown is not today.
bool DailyPhotoIsDue(const SettingRecord& record, const CalendarDate& today);

// The tooltip's lines about the photo of a folder setting, empty for one file:
//   "写真: IMG_0012.JPG (撮影日 2024/05/01)" (a file without Exif date: "更新日")
//   "写真のフォルダーに写真がありません: D:\photos"
//   "写真のフォルダーが見つからないため、前の写真を表示しています: D:\photos"
std::string FolderTooltipText(const SettingRecord& record, const FolderView& view);

// "2024/05/01" for a wall-clock time.
std::string FormatLocalDate(LocalSeconds time);
