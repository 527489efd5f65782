#include "widget/core/AgeTooltip.h"

#include <algorithm>

#include "widget/core/AgeMessages.h"
#include "widget/core/PimmoTexts.h"

namespace {

// The longest time without an announced day: a child born on 29 February past day 10000, whose
// birthdays can be eight years apart when a century year is no leap year.
constexpr int64_t kLongestMilestoneGap = 8 * 366 + 1;
// The corrected age is shown until it reaches two years.
constexpr int kCorrectedAgeYears = 2;

// The day on which totalMonths months since birth are complete (see AgeSpan).
CalendarDate MonthsCompleteOn(const CalendarDate& birthday, int totalMonths) {
    int monthIndex = birthday.month - 1 + totalMonths;
    CalendarDate date{birthday.year + monthIndex / 12, monthIndex % 12 + 1, birthday.day};
    if (date.day <= DaysInMonth(date.year, date.month))
        return date;
    return date.month == 12 ? CalendarDate{date.year + 1, 1, 1} : CalendarDate{date.year, date.month + 1, 1};
}

std::string MilestoneName(const CalendarDate& birthday, const CalendarDate& day, Language language) {
    std::string name = BirthdayAnniversaryText(birthday, day, language);
    int64_t dayNumber = AgeDayNumber(birthday, day);
    if (!IsDayCountAnniversary(dayNumber))
        return name;
    std::string count = DayCountText(dayNumber, language);
    return name.empty() ? count : FormatText(Text(PimmoText::MilestoneBoth, language), {name, count});
}

// "3 days", "1 day", "3日": one and many differ in English only.
std::string Counted(int64_t count, PimmoText one, PimmoText many, Language language) {
    return FormatText(Text(count == 1 ? one : many, language), {CountText(count, language)});
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

std::string AgeSpanText(const AgeSpan& age, Language language) {
    const std::string parts[] = {Counted(age.years, PimmoText::AgeYear, PimmoText::AgeYears, language),
                                 Counted(age.months, PimmoText::AgeMonth, PimmoText::AgeMonths, language),
                                 Counted(age.days, PimmoText::AgeDay, PimmoText::AgeDays, language)};
    if (language == Language::Japanese)
        return parts[0] + parts[1] + parts[2];
    // English names only the parts that count, "1 year" rather than "1 year 0 months 0 days".
    const int values[] = {age.years, age.months, age.days};
    std::string text;
    for (size_t i = 0; i < std::size(parts); ++i)
        if (values[i] != 0)
            text += (text.empty() ? "" : " ") + parts[i];
    return text.empty() ? parts[2] : text;
}

std::string CorrectedAgeText(const CalendarDate& birthday,
                             const CalendarDate& dueDate,
                             const CalendarDate& today,
                             Language language) {
    if (!IsValidDate(dueDate) || !AgeOn(birthday, today) || DayNumber(dueDate) <= DayNumber(birthday))
        return {};
    if (DayNumber(today) < DayNumber(dueDate))
        return Counted(DaysBetween(today, dueDate), PimmoText::CorrectedDayToDue, PimmoText::CorrectedDaysToDue,
                       language);
    const AgeSpan corrected = *AgeOn(dueDate, today);
    if (corrected.years >= kCorrectedAgeYears)
        return {};
    // Under a year Japanese names the months and days alone ("修正: 3ヶ月2日").
    const std::string age = corrected.years == 0 && language == Language::Japanese
                                ? Counted(corrected.months, PimmoText::AgeMonth, PimmoText::AgeMonths, language) +
                                      Counted(corrected.days, PimmoText::AgeDay, PimmoText::AgeDays, language)
                                : AgeSpanText(corrected, language);
    return FormatText(Text(PimmoText::CorrectedAge, language), {age});
}

std::optional<Milestone> NextMilestone(const CalendarDate& birthday, const CalendarDate& today, Language language) {
    if (!IsValidDate(birthday) || !IsValidDate(today))
        return std::nullopt;
    int64_t todayNumber = DayNumber(today);
    // Nothing is announced before the day of birth.
    int64_t first = std::max(todayNumber + 1, DayNumber(birthday));
    int64_t last = std::min(first + kLongestMilestoneGap, DayNumber({9999, 12, 31}));
    for (int64_t number = first; number <= last; ++number) {
        CalendarDate day = DateFromDayNumber(number);
        std::string name = MilestoneName(birthday, day, language);
        if (!name.empty())
            return Milestone{day, number - todayNumber, std::move(name)};
    }
    return std::nullopt;
}

std::string AgeTooltipText(const std::string& name,
                           const CalendarDate& birthday,
                           const CalendarDate& today,
                           Language language,
                           const CalendarDate& dueDate) {
    std::string text;
    if (std::optional<AgeSpan> age = AgeOn(birthday, today)) {
        const std::string corrected = CorrectedAgeText(birthday, dueDate, today, language);
        text = AgeSpanText(*age, language) + (corrected.empty() ? "" : " (" + corrected + ")") + "\r\n";
    } else if (IsValidDate(birthday) && IsValidDate(today))
        text = Counted(DaysBetween(today, birthday), PimmoText::DayToBirth, PimmoText::DaysToBirth, language) + "\r\n";
    text += AgeLine(name, birthday, today, language);
    if (std::optional<Milestone> next = NextMilestone(birthday, today, language)) {
        const PimmoText line = next->daysLeft == 1 ? PimmoText::NextMilestoneTomorrow : PimmoText::NextMilestone;
        text += "\r\n" + FormatText(Text(line, language), {next->name, CountText(next->daysLeft, language)});
    }
    return text;
}
