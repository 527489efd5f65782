#include "widget/core/AgeMessages.h"

#include "widget/core/PimmoTexts.h"

namespace {

struct DayCountRow {
    int64_t step;
    int64_t limit;  // exclusive
};

constexpr DayCountRow kDayCountTable[] = {
    {10, 100}, {50, 500}, {100, 1000}, {111, 1000}, {500, 5000}, {1000, 10000}, {1111, 10000},
};

}  // namespace

std::string BirthdayAnniversaryText(const CalendarDate& birthday, const CalendarDate& today, Language language) {
    if (today.day != birthday.day)
        return {};
    int years = today.year - birthday.year;
    int months = 12 * years + today.month - birthday.month;
    if (years > 0 && today.month == birthday.month)
        return FormatText(Text(PimmoText::BirthdayYears, language), {OrdinalText(years, language)});
    if (months > 0 && months < 12)
        return FormatText(Text(PimmoText::BirthdayMonths, language), {std::to_string(months)});
    return {};
}

int64_t AgeDayNumber(const CalendarDate& birthday, const CalendarDate& today) {
    return DaysBetween(birthday, today) + 1;
}

bool IsDayCountAnniversary(int64_t dayNumber) {
    if (dayNumber <= 0)
        return false;
    for (const DayCountRow& row : kDayCountTable)
        if (dayNumber < row.limit && dayNumber % row.step == 0)
            return true;
    return false;
}

std::string DayCountText(int64_t dayNumber, Language language) {
    return FormatText(Text(PimmoText::DayCount, language), {OrdinalText(dayNumber, language)});
}

std::string AgeCaption(const std::string& name,
                       const CalendarDate& birthday,
                       const CalendarDate& today,
                       Language language) {
    return FormatText(Text(PimmoText::Caption, language), {name, CountText(AgeDayNumber(birthday, today), language)});
}

std::string AgeLine(const std::string& name,
                    const CalendarDate& birthday,
                    const CalendarDate& today,
                    Language language) {
    return FormatText(Text(PimmoText::AgeLine, language), {name, CountText(AgeDayNumber(birthday, today), language)});
}

std::string AnniversaryMessageText(const std::string& name,
                                   const CalendarDate& birthday,
                                   const CalendarDate& today,
                                   Language language) {
    std::string text = BirthdayAnniversaryText(birthday, today, language);
    int64_t dayNumber = AgeDayNumber(birthday, today);
    if (IsDayCountAnniversary(dayNumber)) {
        std::string count = FormatText(Text(PimmoText::MessageDayCount, language), {DayCountText(dayNumber, language)});
        text = text.empty() ? count : FormatText(Text(PimmoText::MessageBoth, language), {text, count});
    }
    if (text.empty())
        return {};
    return FormatText(Text(PimmoText::Message, language), {name, text});
}
