#include "common/core/ProfileAccess.h"

#include "base/core/Utf16.h"
#include "common/core/ProfileDocument.h"
#include "common/core/ProfileLine.h"
#include "common/core/ProfileStore.h"
#include "common/core/ProfileValue.h"
#include "common/core/ProgramLocation.h"

namespace {

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsWellFormedUtf8(std::string_view text) {
    return Utf16ToUtf8(Utf8ToUtf16(text)) == text;
}

}  // namespace

std::string ComposeProfileFilePath(const std::string& folder,
                                   const std::optional<std::string>& userName,
                                   const std::string& defaultName,
                                   const std::string& extension) {
    const std::string base = userName && !userName->empty() ? *userName : defaultName;
    return JoinPath(folder, base + "." + extension);
}

std::string ReadProfileEntry(const std::string& path,
                             std::string_view section,
                             std::string_view key,
                             std::string_view defaultValue,
                             const TextCodec& ansi) {
    std::optional<std::string> found;
    if (!path.empty()) {
        const ProfileFileContent content = ReadProfileFile(path);
        if (content.status == ProfileReadStatus::Read)
            found = ProfileDocument(content.bytes, ansi).Find(section, key);
    }
    return ResolveProfileValue(found, defaultValue, ansi);
}

bool IsWritableProfileEntry(std::string_view section, std::string_view key, std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (section.empty() || key.empty())
        return false;
    if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value))
        return false;
    if (section.find(']') != std::string_view::npos)
        return false;
    if (key.find('=') != std::string_view::npos || key.front() == ';' || key.front() == '[')
        return false;
    return IsWellFormedUtf8(section) && IsWellFormedUtf8(key) && IsWellFormedUtf8(value);
}

bool WriteProfileEntry(const std::string& path,
                       std::string_view section,
                       std::string_view key,
                       std::string_view value,
                       const TextCodec& ansi) {
    if (path.empty() || !IsWritableProfileEntry(section, key, value))
        return false;
    return UpdateProfileFile(path, [&](const std::string& bytes) {
        ProfileDocument document(bytes, ansi);
        document.Set(section, key, value);
        return document.Bytes();
    });
}
