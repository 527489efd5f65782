#pragma once
// Whole local calendar days: birthdays and today, without time of day.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct CalendarDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31

    bool operator==(const CalendarDate&) const = default;
};

bool IsLeapYear(int year);
// month 1..12.
int DaysInMonth(int year, int month);
// A real day of the years 100..9999, the range of the platform's dates.
bool IsValidDate(const CalendarDate& date);
// Days since 1970-01-01 (proleptic Gregorian calendar), negative before.
int64_t DayNumber(const CalendarDate& date);
// The date of a day number: DateFromDayNumber(DayNumber(d)) == d.
CalendarDate DateFromDayNumber(int64_t dayNumber);
int64_t DaysBetween(const CalendarDate& from, const CalendarDate& to);

// Stored form in the profile: yyyy/MM/dd, the form whose day and month can never swap.
std::string FormatDate(const CalendarDate& date);
// Reads y/M/d (also y-M-d, y.M.d) first, then the platform's own date conversion.
std::optional<CalendarDate> ParseDate(std::string_view text);

// Today's local date (platform service).
CalendarDate Today();
// The platform's text-to-date conversion for forms y/M/d does not cover (platform service).
std::optional<CalendarDate> PlatformParseDate(std::string_view text);
// A date for the English texts, in the user's short date format (platform service; the
// native build writes the stored form).
std::string UserShortDate(const CalendarDate& date);
