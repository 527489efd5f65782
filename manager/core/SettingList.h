#pragma once
// house's ordered list of the settings it manages, kept in the section "PimmoHouse" of the
// per-user profile file: "NumbersOfSettings" and "Setting1" ... "Setting<count>". Every
// operation names its file; a save is one transaction.
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "common/core/ProfileTransaction.h"

// The key of the list's length; "Setting1" ... "Setting<count>" hold its entries.
inline constexpr char kSettingCountKey[] = "NumbersOfSettings";

struct SettingList {
    // Display order: numbers[k] is shown on line k of the manager window's list box.
    std::vector<int16_t> numbers;

    bool operator==(const SettingList&) const = default;
};

// A stored list that cannot be read: a count or a setting number that is no 16-bit integer
// (also a missing or empty "Setting" key within the count) or a negative count. house then
// ends before any window and before anything is written (UnreadableListMessage).
struct UnreadableSettingList {
    std::string file;
    std::string key;
    std::string value;
};

using SettingListLoad = std::variant<SettingList, UnreadableSettingList>;

// The stored list, from one read of its section; a missing section or "NumbersOfSettings" key
// gives the empty list. Keys "Setting" + i above the count are left over from a longer list and
// not read.
SettingListLoad LoadSettingList(const std::string& profileFile);

// The writes that store the list: the count, then one key per entry. Keys above the new count
// stay in the file, unread.
ProfileWrites SettingListWrites(const SettingList& list);
// The same writes as one transaction; false, with the file unchanged, when it cannot be written.
bool SaveSettingList(const std::string& profileFile, const SettingList& list);

// Adds the number at the end; false (list unchanged) when the count would leave 16 bits.
bool AppendSetting(SettingList& list, int16_t settingNumber);
// Removes list box line `line` (0-based); the entries after it move up. False when out of range.
bool RemoveSetting(SettingList& list, size_t line);
bool IsListed(const SettingList& list, int16_t settingNumber);

// True when the setting's start lock "LockSetting" holds any text, not only the "locked" that
// a running widget writes; a missing or empty key counts as not running.
bool IsSettingRunning(const std::string& profileFile, int16_t settingNumber);
