#include "widget/core/MissedMilestone.h"

#include <algorithm>

#include "widget/core/AgeMessages.h"
#include "widget/core/PimmoTexts.h"

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
                                const CalendarDate& today,
                                Language language) {
    const std::optional<MissedMilestone> missed = FindMissedMilestone(birthday, lastRunDay, today);
    if (!missed)
        return {};
    std::string text = BirthdayAnniversaryText(birthday, missed->date, language);
    const int64_t dayNumber = AgeDayNumber(birthday, missed->date);
    if (IsDayCountAnniversary(dayNumber)) {
        const std::string count =
            FormatText(Text(PimmoText::MessageDayCount, language), {DayCountText(dayNumber, language)});
        text = text.empty() ? count : FormatText(Text(PimmoText::MissedBoth, language), {text, count});
    }
    const std::string when =
        missed->daysAgo == 1 ? std::string(Text(PimmoText::MissedYesterday, language))
                             : FormatText(Text(PimmoText::MissedDaysAgo, language), {std::to_string(missed->daysAgo)});
    return FormatText(Text(PimmoText::MissedMessage, language), {when, name, text});
}

std::string RunDayText(const CalendarDate& today) {
    return FormatDate(today);
}
