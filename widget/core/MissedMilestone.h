#pragma once
// A milestone that fell while no widget ran for the setting (a weekend, a trip): the setting
// keeps the last day a widget ran for it (LastRunDay), and the next start announces the latest
// milestone it passed over, once, after today's own message.
#include <cstdint>
#include <optional>
#include <string>

#include "base/core/Language.h"
#include "common/core/CalendarDate.h"

// Further back than this a missed milestone is old news.
inline constexpr int64_t kMissedMilestoneDays = 7;

struct MissedMilestone {
    CalendarDate date;
    int64_t daysAgo = 0;  // 1 for yesterday
};

// The latest day after lastRunDay and before today, at most kMissedMilestoneDays ago, that the
// anniversary message announces (a birthday, a first-year month-birthday, a round day count).
// Nothing when lastRunDay is empty or cannot be read (a setting that never ran), or is yesterday
// or later.
std::optional<MissedMilestone> FindMissedMilestone(const CalendarDate& birthday,
                                                   const std::string& lastRunDay,
                                                   const CalendarDate& today);

// "3日前は" + name + "の" + ... + "でした" ("昨日は" for yesterday), joined as today's message
// ("1歳のお誕生日でした。しかも誕生から400日めの日でした"; in English "3 days ago was Hana's 1st
// birthday."); empty when nothing was missed.
std::string MissedMilestoneText(const std::string& name,
                                const CalendarDate& birthday,
                                const std::string& lastRunDay,
                                const CalendarDate& today,
                                Language language = UserLanguage());

// The stored form of today for LastRunDay.
std::string RunDayText(const CalendarDate& today);
