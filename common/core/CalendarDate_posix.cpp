#include <ctime>

#include "common/core/CalendarDate.h"

CalendarDate Today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// The native build has no system date conversion beyond y/M/d.
std::optional<CalendarDate> PlatformParseDate(std::string_view) {
    return std::nullopt;
}

std::string UserShortDate(const CalendarDate& date) {
    return FormatDate(date);
}
