#include <pwd.h>
#include <unistd.h>

#include <vector>

#include "common/core/UserName.h"

std::optional<std::string> CurrentUserName() {
    // The reentrant form: the plain one returns a buffer that a lookup on another thread overwrites.
    passwd record{};
    passwd* entry = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(geteuid(), &record, buffer.data(), buffer.size(), &entry) != 0 || entry == nullptr ||
        entry->pw_name == nullptr || entry->pw_name[0] == '\0')
        return std::nullopt;
    return std::string(entry->pw_name);
}
