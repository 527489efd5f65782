#include <windows.h>
#include <lmcons.h>

#include <cwchar>

#include "base/core/Unicode.h"
#include "common/core/UserName.h"

std::optional<std::string> CurrentUserName() {
    wchar_t buffer[UNLEN + 1];
    DWORD size = UNLEN + 1;
    if (!GetUserNameW(buffer, &size) || size == 0)
        return std::nullopt;
    const std::wstring_view name(buffer, wcsnlen(buffer, UNLEN + 1));
    return Narrow(name);
}
