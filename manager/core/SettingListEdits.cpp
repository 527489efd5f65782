#include "manager/core/SettingListEdits.h"

#include <limits>

#include "common/core/SettingKeys.h"
#include "common/core/SettingSections.h"
#include "common/core/SettingStore.h"
#include "manager/core/SettingCaption.h"

namespace PimmoHouseModule {
namespace {

bool HasName(const ProfileSnapshot& profile, int16_t settingNumber) {
    return !profile.Value(HouseSettingSection(settingNumber), SettingKeyName::kPimmoName, "").empty();
}

// One transaction: edit decides from the file as it stands whether the list changes (and
// fills the edit's line); the new list is written in the same transaction and taken over only
// when it reached the file.
using ListDecision = bool (*)(const ProfileSnapshot&, SettingList&, ListEdit&, int16_t, size_t);
ListEdit EditList(const std::string& profileFile,
                  SettingList& list,
                  ListDecision decide,
                  int16_t settingNumber,
                  size_t line) {
    ListEdit edit;
    SettingList edited;
    const bool saved = UpdateProfile(profileFile, [&](const ProfileSnapshot& profile) {
        edited = list;
        edit.changed = decide(profile, edited, edit, settingNumber, line);
        return edit.changed ? SettingListWrites(edited) : ProfileWrites{};
    });
    if (edit.changed && saved)
        list = std::move(edited);
    edit.notSaved = edit.changed && !saved;
    edit.changed = edit.changed && saved;
    return edit;
}

}  // namespace

std::optional<int16_t> NewSettingNumber(const std::string& profileFile, const SettingList& list) {
    if (list.numbers.size() >= static_cast<size_t>(std::numeric_limits<int16_t>::max()))
        return std::nullopt;
    std::optional<int16_t> found;
    ReadProfile(profileFile, [&](const ProfileSnapshot& profile) {
        for (int number = 1; number <= std::numeric_limits<int16_t>::max() && !found; ++number) {
            const auto settingNumber = static_cast<int16_t>(number);
            if (IsListed(list, settingNumber) || HasName(profile, settingNumber))
                continue;
            if (!IsStartLockSet(profile.Value(HouseSettingSection(settingNumber), kLockKey, "")))
                found = settingNumber;
        }
    });
    return found;
}

ListEdit CompleteAdd(const std::string& profileFile, SettingList& list, int16_t settingNumber) {
    return EditList(
        profileFile, list,
        [](const ProfileSnapshot& profile, SettingList& edited, ListEdit& edit, int16_t number, size_t) {
            if (!HasName(profile, number) || !AppendSetting(edited, number))
                return false;
            edit.line = SettingCaption(profile.Section(HouseSettingSection(number)));
            return true;
        },
        settingNumber, 0);
}

ListEdit CompleteDelete(const std::string& profileFile, SettingList& list, size_t line) {
    if (line >= list.numbers.size())
        return {};
    return EditList(
        profileFile, list,
        [](const ProfileSnapshot& profile, SettingList& edited, ListEdit&, int16_t number, size_t at) {
            return !HasName(profile, number) && RemoveSetting(edited, at);
        },
        list.numbers[line], line);
}

}  // namespace PimmoHouseModule
