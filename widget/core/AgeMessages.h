#pragma once
// How long the child has been alive, in whole local calendar days: the photo windows' caption
// and the message of a birthday, an early month-birthday or a round day count.
#include <cstdint>
#include <string>

#include "CalendarDate.h"

// The day number D: 1 on the day of birth, 0 or negative for a birthday still to come.
int64_t AgeDayNumber(const CalendarDate& birthday, const CalendarDate& today);

// A day number announced by the day-count table (10, 20, ..., 50, 100, 111, ..., 9999).
bool IsDayCountAnniversary(int64_t dayNumber);

// name + "が生まれてから今日で" + D + "日".
std::string AgeCaption(const std::string& name, const CalendarDate& birthday, const CalendarDate& today);

// The text of today's message ("今日は" + name + "の" + ... + "です"), empty on a day without one.
std::string AnniversaryMessageText(const std::string& name, const CalendarDate& birthday, const CalendarDate& today);
