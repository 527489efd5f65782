#pragma once
// How long the child has been alive, in whole local calendar days: the photo windows' caption
// and the message of a birthday, an early month-birthday or a round day count.
#include <cstdint>
#include <string>

#include "base/core/Language.h"
#include "common/core/CalendarDate.h"

// The day number D: 1 on the day of birth, 0 or negative for a birthday still to come.
int64_t AgeDayNumber(const CalendarDate& birthday, const CalendarDate& today);

// A day number announced by the day-count table (10, 20, ..., 50, 100, 111, ..., 9999).
bool IsDayCountAnniversary(int64_t dayNumber);

// The birthday part of a message: "Y歳のお誕生日", or "Mヶ月のお誕生日" for M 1..11; empty on
// other days. Only the same day of the month counts: a child born on the 31st has no
// month-birthday in shorter months, one born on 29 February a birthday only in leap years.
std::string BirthdayAnniversaryText(const CalendarDate& birthday,
                                    const CalendarDate& today,
                                    Language language = UserLanguage());

// "誕生から" + D + "日め" ("100th day"): the name of a round day count.
std::string DayCountText(int64_t dayNumber, Language language = UserLanguage());

// name + "が生まれてから今日で" + D + "日" ("Taro: day 1,234", the name first and short enough
// for the title bar of a 120-pixel window).
std::string AgeCaption(const std::string& name,
                       const CalendarDate& birthday,
                       const CalendarDate& today,
                       Language language = UserLanguage());

// The caption's long form for the tooltip ("Today is day 1,234 for Taro"; Japanese as the caption).
std::string AgeLine(const std::string& name,
                    const CalendarDate& birthday,
                    const CalendarDate& today,
                    Language language = UserLanguage());

// The text of today's message ("今日は" + name + "の" + ... + "です"), empty on a day without one.
std::string AnniversaryMessageText(const std::string& name,
                                   const CalendarDate& birthday,
                                   const CalendarDate& today,
                                   Language language = UserLanguage());
