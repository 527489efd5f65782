#include "widget/core/DayRollover.h"

#include <algorithm>

#include "widget/core/AgeMessages.h"

namespace {

constexpr int64_t kMsPerDay = int64_t{24} * 60 * 60 * 1000;

int64_t MillisecondOfDay(const LocalDateTime& now) {
    int64_t hour = std::clamp(now.hour, 0, 23);
    int64_t minute = std::clamp(now.minute, 0, 59);
    int64_t second = std::clamp(now.second, 0, 59);
    int64_t millisecond = std::clamp(now.millisecond, 0, 999);
    return ((hour * 60 + minute) * 60 + second) * 1000 + millisecond;
}

}  // namespace

int64_t MillisecondsUntilNextMidnight(const LocalDateTime& now) {
    return kMsPerDay - MillisecondOfDay(now);
}

int64_t NextDateCheckDelay(const LocalDateTime& now) {
    return std::min(MillisecondsUntilNextMidnight(now) + kMidnightMarginMs, kLongestDateCheckMs);
}

DayWatch StartDayWatch(const CalendarDate& today) {
    return {today, today};
}

DayChange CheckDay(const DayWatch& watch,
                   const std::string& name,
                   const CalendarDate& birthday,
                   const CalendarDate& today) {
    DayChange change{today != watch.shownDate, {}, watch};
    change.watch.shownDate = today;
    if (DayNumber(today) > DayNumber(watch.latestLookedFor)) {
        change.watch.latestLookedFor = today;
        change.newRunDay = true;
        change.message = AnniversaryMessageText(name, birthday, today);
    }
    return change;
}
