#pragma once
// Which photo of a folder a setting shows: the newest one, or a new one each day that does not
// come back before every photo of the folder was shown once. Pure rules over the folder's index;
// the index comes from the folder scan, the state from the setting's section of the profile.
// A choice is a short list of candidates, best first: a photo that cannot be loaded (broken, or
// on a share that dropped) gives way to the next, and the state moves on only with the photo
// that was shown.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/CalendarDate.h"
#include "widget/core/PhotoFolderIndex.h"

// How many photos one choice tries before it keeps the photo shown: enough for a few broken
// files, few enough that a folder that went away costs little.
inline constexpr size_t kPhotoCandidates = 8;

// The indexes of up to `count` photos, the one taken last first; of photos taken at the same
// second the one whose name sorts last first, as cameras count their file names up.
std::vector<size_t> NewestPhotos(const std::vector<PhotoEntry>& photos, size_t count = kPhotoCandidates);
// The newest photo alone; nullopt for an empty list.
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
//
// The interval order also puts the photos that arrived since its round began (taken in the
// round's first slot or later) before the rest of the round, oldest first, so that each one
// comes as soon as it is there. They leave the shuffle of that round, and the round remembers
// how far it came among them as it does in the shuffle; the next round shuffles them in.
struct DailyPhotoState {
    CalendarDate day;   // the day the photo was last chosen; {} before the first choice
    uint64_t seed = 0;  // this setting's shuffle
    uint32_t round = 0;
    std::string shown;  // the name of the photo chosen on that day
    // Kept for the arrivals only (stored in the round's text, so "one a day" keeps its bytes):
    int64_t began = -1;        // the day number of the slot the round began in; -1: none
    int64_t arrivedTaken = 0;  // the last arrival shown: its time taken and its name (empty: none yet)
    std::string arrivedName;
    std::string placed;  // when the photo shown last is an arrival: the shuffle's last (empty: none yet)

    bool operator==(const DailyPhotoState&) const = default;
};

// The state's four stored texts: day, seed, round, shown.
std::array<std::string, 4> DailyStateTexts(const DailyPhotoState& state);
// A text that cannot be read gives that field's start value (a missing day chooses anew).
DailyPhotoState DailyStateFromTexts(const std::array<std::string, 4>& texts);

// A new setting's state: its seed mixed from the setting number and something that differs
// between runs (such as the clock), so that two settings on one folder shuffle differently.
DailyPhotoState StartDailyPhotoState(int settingNumber, uint64_t entropy);

// A photo's place in the shuffle of a round (smaller comes first).
uint64_t RoundRank(uint64_t seed, uint32_t round, std::string_view name);

struct DailyCandidate {
    size_t photo = 0;       // index into the list
    DailyPhotoState state;  // to be stored once this photo was shown
};

// The day (for the interval order the slot) a photo's time taken falls in; empty: no arrivals.
using ArrivalDay = std::function<CalendarDate(int64_t taken)>;

// Today's photo and the ones that follow it, best first (at most `count`). On the day already
// chosen the same photo comes first (a restart, a rescan), unless it has left the folder; on
// another day the next photo of the round. Each candidate's state counts the candidates before
// it as passed over. Linear in the number of photos for a bounded count.
std::vector<DailyCandidate> DailyPhotoCandidates(const std::vector<PhotoEntry>& photos,
                                                 const DailyPhotoState& state,
                                                 CalendarDate today,
                                                 size_t count = kPhotoCandidates,
                                                 const ArrivalDay& arrivalDay = {});
