#include "common/core/ProfileTransaction.h"

#include "base/core/Utf16.h"
#include "common/core/ProfileLine.h"
#include "common/core/ProfileStore.h"
#include "common/core/ProfileValue.h"

namespace {

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsWellFormedUtf8(std::string_view text) {
    return Utf16ToUtf8(Utf8ToUtf16(text)) == text;
}

}  // namespace

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

std::string ProfileSnapshot::Value(std::string_view section,
                                   std::string_view key,
                                   std::string_view defaultValue) const {
    return ResolveProfileValue(m_document.Find(section, key), defaultValue, m_ansi);
}

ProfileSectionValues ProfileSnapshot::Section(std::string_view section) const {
    ProfileSectionValues values;
    for (auto& [key, found] : m_document.SectionEntries(section))
        values.emplace_back(std::move(key), ResolveProfileValue(found, "", m_ansi));
    return values;
}

void ReadProfile(const std::string& path,
                 const std::function<void(const ProfileSnapshot&)>& read,
                 const TextCodec& ansi) {
    ProfileFileContent content;
    if (!path.empty())
        content = ReadProfileFile(path);
    if (content.status != ProfileReadStatus::Read)
        content.bytes.clear();
    const ProfileDocument document(content.bytes, ansi);
    read(ProfileSnapshot(document, ansi));
}

bool UpdateProfile(const std::string& path, const ProfileEdit& edit, const TextCodec& ansi) {
    if (path.empty())
        return false;
    bool writable = true;
    const bool replaced = UpdateProfileFile(path, [&](const std::string& bytes) {
        ProfileDocument document(bytes, ansi);
        const ProfileWrites writes = edit(ProfileSnapshot(document, ansi));
        for (const ProfileWrite& write : writes)
            writable = writable && IsWritableProfileEntry(write.section, write.key, write.value);
        if (!writable || writes.empty())
            return bytes;
        // One document takes every write in turn, exactly as the file would between single
        // writes, so the bytes come out the same.
        for (const ProfileWrite& write : writes)
            document.Set(write.section, write.key, write.value);
        return document.Bytes();
    });
    return replaced && writable;
}
