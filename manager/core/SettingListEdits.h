#pragma once
// The manager window's Add and Delete around the widget process they start: which number a new
// setting gets, and whether the widget really created or emptied the setting before the list
// follows. The window only starts and waits for the widget and moves list box lines.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "SettingList.h"

namespace PimmoHouseModule {

// The number for a new setting: the smallest N >= 1 whose section has no "PimmoName", that is
// not listed already (a listed setting with an emptied name would otherwise be listed twice)
// and whose lock is not set (a widget may be creating that setting right now). nullopt when no
// number is free or the list is full.
std::optional<int16_t> NewSettingNumber(const std::string& profileFile, const SettingList& list);

// After "pimmo /i<N>" of Add ended: the widget saved the setting (its name is set). A widget
// that refused or failed leaves the name empty, and then nothing is listed.
bool WasSettingCreated(const std::string& profileFile, int16_t settingNumber);

// After "pimmo /d<N>" ended: the widget emptied the setting (its name is empty). A widget that
// refused because the setting was locked leaves the name, and the line must stay.
bool WasSettingDeleted(const std::string& profileFile, int16_t settingNumber);

// Add, once the widget ended: when the setting was created, appends it to the list, saves the
// list and returns the line to append to the list box; otherwise nothing changes.
std::optional<std::string> CompleteAdd(const std::string& profileFile, SettingList& list, int16_t settingNumber);

// Delete of list box line `line`, once the widget ended: when the setting was emptied, removes
// the entry, saves the list and returns true (the window removes the line); otherwise false
// and nothing changes.
bool CompleteDelete(const std::string& profileFile, SettingList& list, size_t line);

}  // namespace PimmoHouseModule
