#include "widget/core/AgeMessages.h"

namespace {

struct DayCountRow {
    int64_t step;
    int64_t limit;  // exclusive
};

constexpr DayCountRow kDayCountTable[] = {
    {10, 100}, {50, 500}, {100, 1000}, {111, 1000}, {500, 5000}, {1000, 10000}, {1111, 10000},
};

}  // namespace

std::string BirthdayAnniversaryText(const CalendarDate& birthday, const CalendarDate& today) {
    if (today.day != birthday.day)
        return {};
    int years = today.year - birthday.year;
    int months = 12 * years + today.month - birthday.month;
    if (years > 0 && today.month == birthday.month)
        return std::to_string(years) + "歳のお誕生日";
    if (months > 0 && months < 12)
        return std::to_string(months) + "ヶ月のお誕生日";
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

std::string DayCountText(int64_t dayNumber) {
    return "誕生から" + std::to_string(dayNumber) + "日め";
}

std::string AgeCaption(const std::string& name, const CalendarDate& birthday, const CalendarDate& today) {
    return name + "が生まれてから今日で" + std::to_string(AgeDayNumber(birthday, today)) + "日";
}

std::string AnniversaryMessageText(const std::string& name, const CalendarDate& birthday, const CalendarDate& today) {
    std::string text = BirthdayAnniversaryText(birthday, today);
    int64_t dayNumber = AgeDayNumber(birthday, today);
    if (IsDayCountAnniversary(dayNumber)) {
        if (!text.empty())
            text += "です。しかも";
        text += DayCountText(dayNumber) + "の日";
    }
    if (text.empty())
        return {};
    return "今日は" + name + "の" + text + "です";
}
