#include "common/core/CalendarDate.h"

#include <charconv>
#include <cstdio>

namespace {

std::optional<int> ReadField(std::string_view& text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return std::nullopt;
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return value;
}

std::optional<CalendarDate> ParseYearMonthDay(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    auto year = ReadField(text);
    if (!year || text.empty())
        return std::nullopt;
    char separator = text.front();
    if (separator != '/' && separator != '-' && separator != '.')
        return std::nullopt;
    text.remove_prefix(1);
    auto month = ReadField(text);
    if (!month || text.empty() || text.front() != separator)
        return std::nullopt;
    text.remove_prefix(1);
    auto day = ReadField(text);
    if (!day || !text.empty() || *year < 100)
        return std::nullopt;
    CalendarDate date{*year, *month, *day};
    return IsValidDate(date) ? std::optional(date) : std::nullopt;
}

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The platform's dates run from the year 100 on; an earlier year is no date it can read back,
// and y/M/d leaves two-digit years to the platform's own conversion.
bool IsValidDate(const CalendarDate& date) {
    return date.year >= 100 && date.year <= 9999 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

int64_t DayNumber(const CalendarDate& date) {
    // Days from civil, after H. Hinnant's public-domain algorithm.
    int64_t y = date.year - (date.month <= 2 ? 1 : 0);
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t mp = (date.month + 9) % 12;
    int64_t doy = (153 * mp + 2) / 5 + date.day - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CalendarDate DateFromDayNumber(int64_t dayNumber) {
    // Civil from days, the inverse of DayNumber (same public-domain algorithm).
    int64_t z = dayNumber + 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    int64_t day = doy - (153 * mp + 2) / 5 + 1;
    int64_t month = mp < 10 ? mp + 3 : mp - 9;
    int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

int64_t DaysBetween(const CalendarDate& from, const CalendarDate& to) {
    return DayNumber(to) - DayNumber(from);
}

std::string FormatDate(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day);
    return text;
}

std::optional<CalendarDate> ParseDate(std::string_view text) {
    if (auto date = ParseYearMonthDay(text))
        return date;
    auto date = PlatformParseDate(text);
    return date && IsValidDate(*date) ? date : std::nullopt;
}
