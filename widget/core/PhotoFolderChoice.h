#pragma once
// Which photo of a folder a setting shows: the newest one, or a new one each day that does not
// come back before every photo of the folder was shown once. Pure rules over the folder's list;
// the list comes from the folder scan, the state from the setting's section of the profile.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/CalendarDate.h"
#include "common/core/SettingKeys.h"
#include "widget/core/ExifReader.h"

struct PhotoEntry {
    std::string name;        // the path below the folder, UTF-8
    LocalSeconds taken = 0;  // the Exif date taken, else the file's last-write time
    bool takenFromExif = false;

    bool operator==(const PhotoEntry&) const = default;
};

// A file's entry from its last-write time (local wall clock) and its first bytes, of which only
// a JPEG's Exif date is read.
PhotoEntry MakePhotoEntry(std::string name, LocalSeconds lastWrite, const uint8_t* head, size_t size);

// The index of the photo taken last; of photos taken at the same second the one whose name
// sorts last, as cameras count their file names up. nullopt for an empty list.
std::optional<size_t> NewestPhoto(const std::vector<PhotoEntry>& photos);

// What "one a day" remembers between days and restarts.
//
// Every round (a pass through the whole folder) orders the photos by a rank, a hash of the
// setting's seed, the round number and the photo's name: a shuffle that needs no stored list,
// differs between settings (their seeds differ) and between rounds. The photos shown in this
// round are exactly those that rank at or before the photo shown last, so the name of that
// photo is the whole memory of the round. A photo added to the folder takes its place in the
// order: it is shown in this round when it ranks after the photo shown last, else in the next;
// a photo removed simply leaves the order. When no photo ranks after the one shown last, the
// next round begins, and one whose first photo is the one just shown is passed over.
struct DailyPhotoState {
    CalendarDate day;   // the day the photo was last chosen; {} before the first choice
    uint64_t seed = 0;  // this setting's shuffle
    uint32_t round = 0;
    std::string shown;  // the name of the photo chosen on that day

    bool operator==(const DailyPhotoState&) const = default;
};

// The profile keys of the state, in the order of DailyStateTexts.
inline constexpr std::array<std::string_view, 4> kDailyStateKeys = {
    SettingKeyName::kPictureDay, SettingKeyName::kPictureSeed, SettingKeyName::kPictureRound,
    SettingKeyName::kPictureShown};
std::array<std::string, 4> DailyStateTexts(const DailyPhotoState& state);
// A text that cannot be read gives that field's start value (a missing day chooses anew).
DailyPhotoState DailyStateFromTexts(const std::array<std::string, 4>& texts);

// A new setting's state: its seed mixed from the setting number and something that differs
// between runs (such as the clock), so that two settings on one folder shuffle differently.
DailyPhotoState StartDailyPhotoState(int settingNumber, uint64_t entropy);

struct DailyChoice {
    std::optional<size_t> photo;  // index into the list; nullopt for an empty list
    DailyPhotoState state;        // to be stored when it differs from the one passed in
};

// The photo for today. On the day already chosen the same photo again (a restart, a rescan),
// unless it has left the folder; on another day the next photo of the round.
DailyChoice ChooseDailyPhoto(const std::vector<PhotoEntry>& photos, const DailyPhotoState& state, CalendarDate today);
