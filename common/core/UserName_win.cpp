#include <windows.h>
#include <lmcons.h>

#include <cwchar>

#include "UserName.h"
#include "Utf16.h"

std::optional<std::string> CurrentUserName() {
    wchar_t buffer[UNLEN + 1];
    DWORD size = UNLEN + 1;
    if (!GetUserNameW(buffer, &size) || size == 0)
        return std::nullopt;
    const std::wstring_view name(buffer, wcsnlen(buffer, UNLEN + 1));
    return Utf16ToUtf8(std::u16string(name.begin(), name.end()));
}
