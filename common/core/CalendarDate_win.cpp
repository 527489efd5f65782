#include <windows.h>
#include <oleauto.h>

#include <string>

#include "base/core/Unicode.h"
#include "common/core/CalendarDate.h"

CalendarDate Today() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay};
}

// The user's own date forms (the system's short date format and its relatives).
std::optional<CalendarDate> PlatformParseDate(std::string_view text) {
    std::wstring wide = Widen(text);
    DATE value = 0;
    if (wide.empty() || FAILED(VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &value)))
        return std::nullopt;
    SYSTEMTIME parsed{};
    if (!VariantTimeToSystemTime(value, &parsed))
        return std::nullopt;
    return CalendarDate{parsed.wYear, parsed.wMonth, parsed.wDay};
}

std::string UserShortDate(const CalendarDate& date) {
    SYSTEMTIME day{};
    day.wYear = static_cast<WORD>(date.year);
    day.wMonth = static_cast<WORD>(date.month);
    day.wDay = static_cast<WORD>(date.day);
    wchar_t text[80] = {};
    if (GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &day, nullptr, text, 80, nullptr) == 0)
        return FormatDate(date);
    return Narrow(text);
}
