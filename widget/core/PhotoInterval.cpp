#include "widget/core/PhotoInterval.h"

#include <algorithm>

namespace {

// Days from 1970 that stay within the calendar's years (before 9999) as slot "days".
constexpr int64_t kSlotDays = 2'000'000;

int64_t LocalMilliseconds(const LocalDateTime& now) {
    return ((DayNumber(now.date) * 24 + now.hour) * 60 + now.minute) * 60000 + int64_t{now.second} * 1000 +
           now.millisecond;
}

int64_t SlotMilliseconds(const SettingRecord& record) {
    return int64_t{IntervalMinutes(record.PictureInterval)} * 60000;
}

CalendarDate SlotDay(int64_t milliseconds, int64_t slotMilliseconds) {
    const int64_t slot =
        milliseconds >= 0 ? milliseconds / slotMilliseconds : (milliseconds - slotMilliseconds + 1) / slotMilliseconds;
    return DateFromDayNumber(((slot % kSlotDays) + kSlotDays) % kSlotDays);
}

}  // namespace

int IntervalMinutes(int16_t stored) {
    return std::find(std::begin(kIntervalChoices), std::end(kIntervalChoices), stored) == std::end(kIntervalChoices)
               ? 15
               : stored;
}

CalendarDate PhotoChoiceDay(const SettingRecord& record, const LocalDateTime& now) {
    if (OrderOf(record) != PictureOrder::Interval)
        return now.date;
    return SlotDay(LocalMilliseconds(now), SlotMilliseconds(record));
}

CalendarDate PhotoSlotDay(const SettingRecord& record, int64_t taken) {
    return SlotDay(taken * 1000, SlotMilliseconds(record));
}

int64_t MillisecondsUntilNextPhoto(const SettingRecord& record, const LocalDateTime& now) {
    const int64_t slot = SlotMilliseconds(record);
    const int64_t into = ((LocalMilliseconds(now) % slot) + slot) % slot;
    return slot - into + kMidnightMarginMs;
}
