#include "manager/core/SettingList.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "common/core/Conversions.h"
#include "common/core/SettingSections.h"
#include "common/core/SettingStore.h"

namespace {

std::string EntryKey(size_t position) {
    return "Setting" + std::to_string(position);
}

}  // namespace

SettingListLoad LoadSettingList(const std::string& profileFile) {
    const ProfileSectionValues section = ReadProfileSectionValues(profileFile, kSettingListSection);
    const std::string countText = ProfileSectionValue(section, kSettingCountKey, "0");
    const std::optional<int16_t> count = TextToInt16(countText);
    if (!count || *count < 0)
        return UnreadableSettingList{profileFile, kSettingCountKey, countText};
    SettingList list;
    list.numbers.reserve(static_cast<size_t>(*count));
    for (size_t position = 1; position <= static_cast<size_t>(*count); ++position) {
        const std::string key = EntryKey(position);
        const std::string text = ProfileSectionValue(section, key, "");
        const std::optional<int16_t> number = TextToInt16(text);
        if (!number)
            return UnreadableSettingList{profileFile, key, text};
        list.numbers.push_back(*number);
    }
    return list;
}

ProfileWrites SettingListWrites(const SettingList& list) {
    ProfileWrites writes{{kSettingListSection, kSettingCountKey, std::to_string(list.numbers.size())}};
    for (size_t i = 0; i < list.numbers.size(); ++i)
        writes.push_back({kSettingListSection, EntryKey(i + 1), std::to_string(list.numbers[i])});
    return writes;
}

bool SaveSettingList(const std::string& profileFile, const SettingList& list) {
    return UpdateProfile(profileFile, [&](const ProfileSnapshot&) { return SettingListWrites(list); });
}

bool AppendSetting(SettingList& list, int16_t settingNumber) {
    if (list.numbers.size() >= static_cast<size_t>(std::numeric_limits<int16_t>::max()))
        return false;
    list.numbers.push_back(settingNumber);
    return true;
}

bool RemoveSetting(SettingList& list, size_t line) {
    if (line >= list.numbers.size())
        return false;
    list.numbers.erase(list.numbers.begin() + static_cast<std::ptrdiff_t>(line));
    return true;
}

bool IsListed(const SettingList& list, int16_t settingNumber) {
    return std::find(list.numbers.begin(), list.numbers.end(), settingNumber) != list.numbers.end();
}

bool IsSettingRunning(const std::string& profileFile, int16_t settingNumber) {
    return SettingStore(profileFile, HouseSettingSection(settingNumber)).IsStartLocked();
}
