#pragma once
// A widget that runs across midnight counts the new day: its caption follows the date, and a
// new day's birthday or round day count is announced once, as at start-up.
//
// The shell looks at the date whenever something may have changed it (its midnight timer,
// resume from sleep, a change of the system time, the unlock of the session) and asks
// CheckDay what to do. Every call is cheap and safe: a look at the date too early, or twice,
// changes nothing.
#include <cstdint>
#include <string>

#include "common/core/CalendarDate.h"

// The local wall-clock time.
struct LocalDateTime {
    CalendarDate date;
    int hour = 0;         // 0..23
    int minute = 0;       // 0..59
    int second = 0;       // 0..59 (a leap second 60 counts as 59)
    int millisecond = 0;  // 0..999
};

// Today's local date and time (platform service).
LocalDateTime LocalNow();

// A timer never fires before its time, but may fire a little early on a coarse clock tick;
// the margin keeps the look at the date after midnight.
inline constexpr int64_t kMidnightMarginMs = 1000;
// A day is longer or shorter than 24 hours on the wall clock when daylight saving begins or
// ends; looking again at least once an hour catches the new date within the hour then.
inline constexpr int64_t kLongestDateCheckMs = int64_t{60} * 60 * 1000;

// Milliseconds from now until the next local midnight, 1..86400000, counted on the wall clock.
int64_t MillisecondsUntilNextMidnight(const LocalDateTime& now);
// The delay of the next timed look at the date: until midnight plus the margin, at most an hour.
int64_t NextDateCheckDelay(const LocalDateTime& now);

// What the widget has shown: the date its caption counts, and the latest date whose
// anniversary was looked for (announced or not).
struct DayWatch {
    CalendarDate shownDate;
    CalendarDate latestLookedFor;
    bool operator==(const DayWatch&) const = default;
};

// At start-up the caption is placed and the anniversary message looked for today.
DayWatch StartDayWatch(const CalendarDate& today);

struct DayChange {
    bool captionChanges = false;  // set the age caption of today on both windows
    std::string message;          // non-empty: show this anniversary message, once
    DayWatch watch;               // keep this before showing the message
    bool newRunDay = false;       // a later day than every one looked for: keep it as the last run day
};

// What a look at the date must do. The caption follows the date both ways, also when the
// clock is set back. A message is only looked for on a date later than every date looked for
// before: a clock set back (by hand, or by a time correction across midnight) shows the
// earlier day's count but never announces a day again, nor one the widget has passed.
DayChange CheckDay(const DayWatch& watch,
                   const std::string& name,
                   const CalendarDate& birthday,
                   const CalendarDate& today);
