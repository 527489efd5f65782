#include <windows.h>

#include "widget/core/DayRollover.h"

LocalDateTime LocalNow() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return {{local.wYear, local.wMonth, local.wDay}, local.wHour, local.wMinute, local.wSecond, local.wMilliseconds};
}
