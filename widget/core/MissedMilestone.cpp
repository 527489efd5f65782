#include "widget/core/MissedMilestone.h"

#include <algorithm>

#include "widget/core/AgeMessages.h"

std::optional<MissedMilestone> FindMissedMilestone(const CalendarDate& birthday,
                                                   const std::string& lastRunDay,
                                                   const CalendarDate& today) {
    const std::optional<CalendarDate> lastRun = lastRunDay.empty() ? std::nullopt : ParseDate(lastRunDay);
    if (!lastRun || !IsValidDate(*lastRun) || !IsValidDate(birthday) || !IsValidDate(today))
        return std::nullopt;
    const int64_t todayNumber = DayNumber(today);
    const int64_t first = std::max(DayNumber(*lastRun) + 1, todayNumber - kMissedMilestoneDays);
    for (int64_t number = todayNumber - 1; number >= first; --number) {
        const CalendarDate day = DateFromDayNumber(number);
        if (!BirthdayAnniversaryText(birthday, day).empty() || IsDayCountAnniversary(AgeDayNumber(birthday, day)))
            return MissedMilestone{day, todayNumber - number};
    }
    return std::nullopt;
}

std::string MissedMilestoneText(const std::string& name,
                                const CalendarDate& birthday,
                                const std::string& lastRunDay,
                                const CalendarDate& today) {
    const std::optional<MissedMilestone> missed = FindMissedMilestone(birthday, lastRunDay, today);
    if (!missed)
        return {};
    std::string text = BirthdayAnniversaryText(birthday, missed->date);
    const int64_t dayNumber = AgeDayNumber(birthday, missed->date);
    if (IsDayCountAnniversary(dayNumber))
        text += (text.empty() ? "" : "でした。しかも") + DayCountText(dayNumber) + "の日";
    const std::string when = missed->daysAgo == 1 ? "昨日" : std::to_string(missed->daysAgo) + "日前";
    return when + "は" + name + "の" + text + "でした";
}

std::string RunDayText(const CalendarDate& today) {
    return FormatDate(today);
}
