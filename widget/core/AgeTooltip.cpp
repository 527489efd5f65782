#include "widget/core/AgeTooltip.h"

#include <algorithm>

#include "widget/core/AgeMessages.h"

namespace {

// The longest time without an announced day: a child born on 29 February past day 10000, whose
// birthdays can be eight years apart when a century year is no leap year.
constexpr int64_t kLongestMilestoneGap = 8 * 366 + 1;

// The day on which totalMonths months since birth are complete (see AgeSpan).
CalendarDate MonthsCompleteOn(const CalendarDate& birthday, int totalMonths) {
    int monthIndex = birthday.month - 1 + totalMonths;
    CalendarDate date{birthday.year + monthIndex / 12, monthIndex % 12 + 1, birthday.day};
    if (date.day <= DaysInMonth(date.year, date.month))
        return date;
    return date.month == 12 ? CalendarDate{date.year + 1, 1, 1} : CalendarDate{date.year, date.month + 1, 1};
}

std::string MilestoneName(const CalendarDate& birthday, const CalendarDate& day) {
    std::string name = BirthdayAnniversaryText(birthday, day);
    int64_t dayNumber = AgeDayNumber(birthday, day);
    if (IsDayCountAnniversary(dayNumber))
        name += (name.empty() ? "" : "と") + DayCountText(dayNumber);
    return name;
}

}  // namespace

std::optional<AgeSpan> AgeOn(const CalendarDate& birthday, const CalendarDate& today) {
    if (!IsValidDate(birthday) || !IsValidDate(today) || DayNumber(today) < DayNumber(birthday))
        return std::nullopt;
    int totalMonths = 12 * (today.year - birthday.year) + today.month - birthday.month;
    CalendarDate complete = MonthsCompleteOn(birthday, totalMonths);
    if (DayNumber(complete) > DayNumber(today)) {
        --totalMonths;
        complete = MonthsCompleteOn(birthday, totalMonths);
    }
    return AgeSpan{totalMonths / 12, totalMonths % 12, static_cast<int>(DaysBetween(complete, today))};
}

std::string AgeSpanText(const AgeSpan& age) {
    return std::to_string(age.years) + "歳" + std::to_string(age.months) + "ヶ月" + std::to_string(age.days) + "日";
}

std::optional<Milestone> NextMilestone(const CalendarDate& birthday, const CalendarDate& today) {
    if (!IsValidDate(birthday) || !IsValidDate(today))
        return std::nullopt;
    int64_t todayNumber = DayNumber(today);
    // Nothing is announced before the day of birth.
    int64_t first = std::max(todayNumber + 1, DayNumber(birthday));
    int64_t last = std::min(first + kLongestMilestoneGap, DayNumber({9999, 12, 31}));
    for (int64_t number = first; number <= last; ++number) {
        CalendarDate day = DateFromDayNumber(number);
        std::string name = MilestoneName(birthday, day);
        if (!name.empty())
            return Milestone{day, number - todayNumber, std::move(name)};
    }
    return std::nullopt;
}

std::string AgeTooltipText(const std::string& name, const CalendarDate& birthday, const CalendarDate& today) {
    std::string text;
    if (std::optional<AgeSpan> age = AgeOn(birthday, today))
        text = AgeSpanText(*age) + "\r\n";
    else if (IsValidDate(birthday) && IsValidDate(today))
        text = "誕生まであと" + std::to_string(DaysBetween(today, birthday)) + "日\r\n";
    text += AgeCaption(name, birthday, today);
    if (std::optional<Milestone> next = NextMilestone(birthday, today))
        text += "\r\n次の記念日: " + next->name + " (あと" + std::to_string(next->daysLeft) + "日)";
    return text;
}
