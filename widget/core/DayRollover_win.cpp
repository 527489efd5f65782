#include <windows.h>

#include "DayRollover.h"

LocalDateTime LocalNow() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return {{local.wYear, local.wMonth, local.wDay}, local.wHour, local.wMinute, local.wSecond, local.wMilliseconds};
}
