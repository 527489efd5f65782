#include <pwd.h>
#include <unistd.h>

#include "common/core/UserName.h"

std::optional<std::string> CurrentUserName() {
    const passwd* entry = getpwuid(geteuid());
    if (entry == nullptr || entry->pw_name == nullptr || entry->pw_name[0] == '\0')
        return std::nullopt;
    return std::string(entry->pw_name);
}
