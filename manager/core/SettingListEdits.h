#pragma once
// The manager window's Add and Delete around the widget process they start: which number a new
// setting gets, and whether the widget really created or emptied the setting before the list
// follows. Each edit of the list is one transaction on the profile file. The window only starts
// and waits for the widget and moves list box lines.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "manager/core/SettingList.h"

namespace PimmoHouseModule {

// The number for a new setting: the smallest N >= 1 whose section has no name, that is
// not listed already (a listed setting with an emptied name would otherwise be listed twice)
// and whose lock is not set (a widget may be creating that setting right now). nullopt when no
// number is free or the list is full.
std::optional<int16_t> NewSettingNumber(const std::string& profileFile, const SettingList& list);

struct ListEdit {
    // The list changed in memory and in the file.
    bool changed = false;
    // The list would have changed, but the file could not be written: memory and file are as
    // before, and the user is to be told.
    bool notSaved = false;
    // Add: the list box line of the new setting.
    std::string line;
};

// Add, once "pimmo /i<N>" ended: when the widget saved the setting (its name is set), appends
// it to the list and stores the list, in one transaction that reads the setting's line too. A
// widget that refused or failed leaves the name empty, and then nothing is listed.
ListEdit CompleteAdd(const std::string& profileFile, SettingList& list, int16_t settingNumber);

// Delete of list box line `line`, once "pimmo /d<N>" ended: when the widget emptied the setting
// (its name is empty), removes the entry and stores the list in one transaction. A widget that
// refused because the setting was locked leaves the name, and the line stays.
ListEdit CompleteDelete(const std::string& profileFile, SettingList& list, size_t line);

}  // namespace PimmoHouseModule
