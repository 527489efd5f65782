#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "widget/core/PhotoFolderSetting.h"
#include "widget/core/PhotoInterval.h"

namespace {

SettingRecord IntervalRecord(int16_t minutes) {
    SettingRecord record = NewSettingRecord({2024, 1, 1});
    record.PictureFolder = "D:\\photos";
    record.PictureOrder = static_cast<int16_t>(PictureOrder::Interval);
    record.PictureInterval = minutes;
    return record;
}

LocalDateTime At(int hour, int minute, int second = 0) {
    return {{2025, 3, 9}, hour, minute, second, 0};
}

// A slot is the day of the one-a-day rules: the same within an interval, another in the next;
// the next change comes at the slot's end (plus the timer's margin of 1 s).
TEST(PhotoInterval, TheClockIsCutIntoSlotsOfTheStoredMinutes) {
    const struct {
        int16_t stored;
        LocalDateTime a, b;
        bool sameSlot;
        int64_t untilNextMs;  // from a
    } kCases[] = {
        {15, At(10, 0), At(10, 14, 59), true, 901000}, {15, At(10, 14, 59), At(10, 15), false, 2000},
        {0, At(10, 7), At(10, 14), true, 481000},      {7, At(10, 7), At(10, 15), false, 481000},  // 15
        {1, At(10, 7, 30), At(10, 8), false, 31000},   {60, At(23, 30), At(0, 10), false, 1801000},
    };
    for (const auto& c : kCases) {
        const SettingRecord record = IntervalRecord(c.stored);
        EXPECT_EQ(PhotoChoiceDay(record, c.a) == PhotoChoiceDay(record, c.b), c.sameSlot) << c.stored;
        EXPECT_EQ(MillisecondsUntilNextPhoto(record, c.a), c.untilNextMs) << c.stored;
    }
}

// Each photo once a round: five slots in a row show five different photos of five, then a new round.
TEST(PhotoInterval, EachPhotoOnceARound) {
    PhotoIndex photos;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"})
        photos.push_back({name, 0, false, 0, 0});
    SettingRecord record = IntervalRecord(5);
    std::set<std::string> shown;
    for (int slot = 0; slot < 6; ++slot) {
        const CalendarDate day = PhotoChoiceDay(record, At(10, 5 * slot));
        ASSERT_TRUE(DailyPhotoIsDue(record, day)) << slot;
        const auto candidates = FolderCandidates(record, photos, day, 1, 42);
        TakeFolderCandidate(record, candidates.front());
        EXPECT_FALSE(DailyPhotoIsDue(record, day)) << "a restart within the slot keeps its photo";
        EXPECT_TRUE(slot == 5 || shown.insert(record.PictureFile).second) << record.PictureFile;
    }
    EXPECT_EQ(shown.size(), 5u);
}

// Photos taken since the round began come before the rest of it, oldest first, and the round
// still shows every photo once: an arrival leaves the shuffle it would otherwise have waited in.
TEST(PhotoInterval, ArrivalsComeBeforeTheRestOfTheRound) {
    const struct {
        std::vector<const char*> arrive;  // taken in this slot (n3 a second after n2), added before its choice
        std::string shown;                // "": one of the shuffle
    } kSlots[] = {
        {{}, ""},       {{"n1.jpg"}, "n1.jpg"},
        {{}, ""},       {{"n3.jpg", "n2.jpg"}, "n2.jpg"},
        {{}, "n3.jpg"}, {{}, ""},
        {{}, ""},       {{}, ""},
    };
    PhotoIndex photos;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"})
        photos.push_back({name, 0, false, 0, 0});
    SettingRecord record = IntervalRecord(5);
    std::set<std::string> shown;
    for (int slot = 0; slot < 8; ++slot) {
        const int64_t taken = DayNumber({2025, 3, 9}) * 86400 + 10 * 3600 + 5 * 60 * slot;
        for (const char* name : kSlots[slot].arrive)
            photos.push_back({name, taken + (name[1] == '3' ? 1 : 0), false, 0, 0});
        const CalendarDate day = PhotoChoiceDay(record, At(10, 5 * slot));
        TakeFolderCandidate(record, FolderCandidates(record, photos, day, 1, 42).front());
        const std::string name = record.PictureFile.substr(record.PictureFolder.size() + 1);
        EXPECT_TRUE(shown.insert(name).second) << name;
        EXPECT_EQ(kSlots[slot].shown.empty() ? name[0] != 'n' : name == kSlots[slot].shown, true) << slot << name;
    }
    EXPECT_EQ(shown.size(), 8u) << "five photos and three arrivals, each once";
}

}  // namespace
