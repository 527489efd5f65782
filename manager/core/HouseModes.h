#pragma once
// The work of house's modes over the setting list, without the splash and message boxes that
// frame them: the shell asks for consent first and then calls these. Each write is one
// transaction on the profile file.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "manager/core/SettingList.h"

namespace PimmoHouseModule {

struct ReleasedLocks {
    // The numbers whose lock was cleared, in the order cleared.
    std::vector<int16_t> released;
    bool saved = true;  // false: the file could not be written, and no lock was cleared
};

// "/R": empties every set start lock, first of the unnumbered setting 0, then of the listed
// settings in list order. A missing or empty lock key is not written.
ReleasedLocks ReleaseAllStartLocks(const std::string& profileFile, const SettingList& list);

// "/P" check pass: the first listed setting whose lock is a running widget's (IsWidgetRunningLock),
// which stops the reset before any write. Another leftover text does not stop it, and the
// unnumbered setting is not looked at.
std::optional<int16_t> FindRunningWidget(const std::string& profileFile, const SettingList& list);

enum class PositionReset { Done, WidgetRunning, NotSaved };

// "/P" reset pass: the window place (top and left) of every listed setting becomes 0. The
// unnumbered setting keeps its position. The check pass runs again inside the transaction, so
// that a widget started while the user was asked is not moved under its feet.
PositionReset ResetWindowPositions(const std::string& profileFile, const SettingList& list);

// Start all: the command lines "\"<widgetPath>\" /s<N>" of the listed settings whose widget
// is not running, in list order. A number listed twice is started once: two widgets of one
// setting started at once could both pass their lock test.
std::vector<std::string> StartAllCommandLines(const std::string& profileFile,
                                              const SettingList& list,
                                              const std::string& widgetPath);

}  // namespace PimmoHouseModule
