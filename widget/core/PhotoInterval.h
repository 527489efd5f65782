#pragma once
// "写真を一定の間隔で替える": a folder's photos taken as "one a day" takes them (each once a
// round, shuffled), but one every few minutes. The interval is cut from the local clock into
// slots; a slot plays the part of the day, so the one-a-day rules and state serve unchanged:
// a restart within a slot keeps its photo, the first look in a new slot takes the next.
#include <cstdint>

#include "common/core/CalendarDate.h"
#include "common/core/SettingRecord.h"
#include "widget/core/DayRollover.h"

// The minutes the setting keeps: 1, 5, 15, 30 or 60; 15 for a missing or other value.
int IntervalMinutes(int16_t stored);
// The minutes the interval list offers, in its order.
inline constexpr int16_t kIntervalChoices[] = {1, 5, 15, 30, 60};

// The "day" a folder choice is made for: today, or for the interval order its slot now, as a
// day that changes with each slot (slots wrap after thousands of years' worth of days, so
// two slots in a row never share one).
CalendarDate PhotoChoiceDay(const SettingRecord& record, const LocalDateTime& now);
// The slot "day" a photo's time taken (local wall-clock seconds) falls in, for the interval order:
// a photo taken since the round began is one of its arrivals.
CalendarDate PhotoSlotDay(const SettingRecord& record, int64_t taken);
// Milliseconds from now until the next slot begins, plus the margin of a coarse timer.
int64_t MillisecondsUntilNextPhoto(const SettingRecord& record, const LocalDateTime& now);
