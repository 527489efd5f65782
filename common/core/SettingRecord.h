#pragma once
// One setting of the widget as it lives in memory (its section's keys: SettingKeys.h).
#include <cstdint>
#include <string>

#include "common/core/CalendarDate.h"

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

    // Where the photos come from, in keys a reader of only the eleven keys skips (kFolderKeys): the one file
    // PictureFile, or a folder whose chosen photo PictureFile then names.
    std::string PictureFolder{};    // full path; empty: the one file
    int16_t PictureOrder = 0;       // 0 one file, 1 the folder's newest photo, 2 one a day, 3 this day, 4 interval
    int16_t PictureSubfolders = 0;  // 1: the photos of the folder's sub-folders too
    // What "one a day" remembers, as stored (the widget reads and writes their meaning).
    std::string PictureDay{};
    std::string PictureSeed{};
    std::string PictureRound{};
    std::string PictureShown{};
    // The section holds the folder keys: they are written from now on, also for one file, so
    // that a folder left is left in the file too. A setting that never had a folder keeps its
    // section byte for byte as it is: the eleven keys, without the folder keys.
    bool FolderKeysStored = false;
    // The day a widget last ran for the setting (yyyy/MM/dd as stored; kRunKeys), empty until
    // one has: a milestone between two runs is announced at the next start.
    std::string LastRunDay{};
    // Keys a setting has only once it uses them (kOptionalKeys).
    CalendarDate PimmoDueDay{};       // the day the child was due, for a child born early; 0s: none
    int16_t PictureInterval = 0;      // minutes between photos for PictureOrder 4; 0: the default
    int16_t HideFromCapture = 0;      // 1: the photo windows stay out of screen captures
    unsigned OptionalKeysStored = 0;  // bit i: the section holds kOptionalKeys[i]
};

// PictureOrder's values.
enum class PictureOrder : int16_t { OneFile = 0, Newest = 1, OneADay = 2, ThisDay = 3, Interval = 4 };
// The order the setting follows: one file without a folder or with order 0; with a folder, an
// order this program does not know (a newer program's, or a hand edit) shows the newest photo.
PictureOrder OrderOf(const SettingRecord& record);
// The setting shows a folder's photos: its order is not one file.
bool UsesPictureFolder(const SettingRecord& record);
// Save writes the folder keys: the setting uses a folder now or its section already has them.
bool WritesFolderKeys(const SettingRecord& record);

// The record of a setting created anew: a bordered window at the screen origin, the picture
// at its natural size, born today.
SettingRecord NewSettingRecord(const CalendarDate& today);
