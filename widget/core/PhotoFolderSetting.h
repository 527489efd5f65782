#pragma once
// A folder setting's photo: the candidates its order offers from the folder's index, the
// record's fields that follow the one shown, and what the tooltip says about it. No window and
// no disk here: the index comes from the folder scan, the record from the session.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/core/CalendarDate.h"
#include "common/core/SettingRecord.h"
#include "widget/core/PhotoFolderIndex.h"

// What the widget last learned of its folder.
enum class FolderStatus {
    NotScanned,   // the photo shown is the one of the last run (from its cache)
    Shown,        // the photo shown was chosen from the folder
    Empty,        // the folder holds no picture: the photo is missing
    Unreachable,  // missing, unplugged or offline, or no photo could be loaded: the last photo stays
};

struct FolderView {
    FolderStatus status = FolderStatus::NotScanned;
    std::optional<PhotoEntry> shown;
    std::vector<std::string> skipped{};  // sub-folders the last scan could not list
};

// A photo the folder offers, and the "one a day" state stored once it was shown.
struct FolderCandidate {
    std::string path;  // becomes PictureFile
    PhotoEntry photo;
    std::optional<std::array<std::string, 4>> dailyTexts;  // for "one a day"
};

// The photos to try for the record, best first: the newest ones, or today's of "one a day"
// and the ones after it. Empty when the folder has no photo. A setting new to "one a day"
// shuffles by the setting number and entropy (anything that differs between runs).
std::vector<FolderCandidate> FolderCandidates(const SettingRecord& record,
                                              const PhotoIndex& photos,
                                              const CalendarDate& today,
                                              int settingNumber,
                                              uint64_t entropy);

// The candidate is on the screen: PictureFile names it (a new file makes the scaled cache
// stale) and "one a day" moves on. True when the record changed and is to be saved.
bool TakeFolderCandidate(SettingRecord& record, const FolderCandidate& candidate);
// The folder holds no photo: the photo is missing. True when the record changed.
bool TakeEmptyFolder(SettingRecord& record);

// Chooses a folder on the record (dropped, or picked in the options): the newest photo unless
// an order is chosen already. The photo itself follows the next scan.
void TakeFolder(SettingRecord& record, const std::string& folder);

// Back to one file (a picture chosen or dropped): the folder is left.
void LeaveFolder(SettingRecord& record);

// "one a day" or "この日の写真" needs a new photo: the day of the photo shown is not today (for
// the interval order, today is the slot's day: PhotoChoiceDay).
bool DailyPhotoIsDue(const SettingRecord& record, const CalendarDate& today);

// Whether the folder is looked at again on the backing-off timer: it is out of reach, or its
// newest photo is to be followed and its watch does not run (gone, or the folder tells no
// changes). The edit mode's choice (chooseOnly) and one file need no look.
bool FolderRetryNeeded(const SettingRecord& record, FolderStatus status, bool chooseOnly, bool watchRunning);

// The record's folder, its order or its sub-folder choice differ: what was known of the
// folder no longer holds.
bool FolderSettingDiffers(const SettingRecord& a, const SettingRecord& b);

// The tooltip's lines about the photo of a folder setting, empty for one file:
//   "写真: IMG_0012.JPG (撮影日 2024/05/01)" (a file without Exif date: "更新日")
//   "写真のフォルダーに写真がありません: D:\photos"
//   "写真のフォルダーが見つからないため、前の写真を表示しています: D:\photos"
// and, below, the sub-folders that could not be read: "読めないサブフォルダー: 2024\private"
std::string FolderTooltipText(const SettingRecord& record, const FolderView& view);

// "2024/05/01" for a wall-clock time.
std::string FormatLocalDate(LocalSeconds time);
