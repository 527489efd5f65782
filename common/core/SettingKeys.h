#pragma once
// The keys of a setting's section: for each, the record field it holds and how the field is
// read from and written to its text. The one place that ties the section's layout to the record.
#include <array>
#include <string>

#include "common/core/SettingRecord.h"

// The keys' names, for the few places that read one key without the record.
namespace SettingKeyName {
inline constexpr char kWindowPosition[] = "WindowPosition";
inline constexpr char kPictureFile[] = "PictureFile";
inline constexpr char kLastWindowTop[] = "LastWindowTop";
inline constexpr char kLastWindowLeft[] = "LastWindowLeft";
inline constexpr char kLastWindowBorder[] = "LastWindowBorder";
inline constexpr char kPimmoName[] = "PimmoName";
inline constexpr char kPimmoBirthDay[] = "PimmoBirthDay";
inline constexpr char kIsStretched[] = "IsStretched";
inline constexpr char kPictureSize[] = "PictureSize";
inline constexpr char kStretchMode[] = "StretchMode";
inline constexpr char kIsStretchBmpCashed[] = "IsStretchBmpCashed";
inline constexpr char kPictureFolder[] = "PictureFolder";
inline constexpr char kPictureOrder[] = "PictureOrder";
inline constexpr char kPictureSubfolders[] = "PictureSubfolders";
inline constexpr char kPictureDay[] = "PictureDay";
inline constexpr char kPictureSeed[] = "PictureSeed";
inline constexpr char kPictureRound[] = "PictureRound";
inline constexpr char kPictureShown[] = "PictureShown";
inline constexpr char kLastRunDay[] = "LastRunDay";
inline constexpr char kPimmoDueDay[] = "PimmoDueDay";
inline constexpr char kPictureInterval[] = "PictureInterval";
inline constexpr char kHideFromCapture[] = "HideFromCapture";
}  // namespace SettingKeyName

struct SettingKey {
    const char* name;
    // The field's stored form.
    std::string (*write)(const SettingRecord& record);
    // Reads text into the field; false, with the field unchanged, when text cannot be read.
    // An empty text keeps the field as it is.
    bool (*read)(SettingRecord& record, const std::string& text);
};

// The eleven keys in the order they are read, written and emptied (the file order of a new
// section).
extern const std::array<SettingKey, 11> kSettingKeys;

// The photo folder's keys, written after the eleven and only when WritesFolderKeys: a reader
// that knows only the eleven keys reads past them, and a setting without a folder never gets them.
// The last four are the state of "one a day".
extern const std::array<SettingKey, 7> kFolderKeys;

// The day a widget last ran for the setting: read with the others, written only on its own
// (SettingStore::SaveLastRunDay) once a widget shows the setting, so a setting only made or
// edited has none, as has any section without the key.
extern const std::array<SettingKey, 1> kRunKeys;

// Keys each written on its own terms, after the others: only while the setting uses it (a due
// date, an interval, the capture exclusion), or where the section already holds it, so that a
// setting that never used one keeps its section byte for byte. Bit i of OptionalKeysStored.
extern const std::array<SettingKey, 3> kOptionalKeys;
// Whether Save writes kOptionalKeys[index] for the record.
bool WritesOptionalKey(const SettingRecord& record, size_t index);

// The start lock: "locked" while a widget serves the setting, empty otherwise. Not part of the
// record. Any other text is a lock left behind: it still keeps house from changing the setting.
inline constexpr char kLockKey[] = "LockSetting";
inline constexpr char kLockedValue[] = "locked";
