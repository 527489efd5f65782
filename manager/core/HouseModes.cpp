#include "HouseModes.h"

#include <algorithm>

#include "HouseCommandLine.h"
#include "HouseNames.h"
#include "IniFileRelatedLibrary.h"

using namespace IniFileRelatedLibrary;

namespace PimmoHouseModule {
namespace {

constexpr const char* kLockKey = "LockSetting";

std::string ReadLock(const std::string& profileFile, int16_t settingNumber) {
    SelectProfile(profileFile, HouseSettingSection(settingNumber));
    return ReadProfileValue(kLockKey, "");
}

// Clears the lock of one setting when it holds anything; true when it was written.
bool ReleaseStartLock(const std::string& profileFile, int16_t settingNumber) {
    if (ReadLock(profileFile, settingNumber).empty())
        return false;
    WriteProfileValue(kLockKey, "");  // the key stays, with nothing after "="
    return true;
}

}  // namespace

std::vector<int16_t> ReleaseAllStartLocks(const std::string& profileFile, const SettingList& list) {
    std::vector<int16_t> released;
    if (ReleaseStartLock(profileFile, 0))
        released.push_back(0);
    for (int16_t settingNumber : list.numbers)
        if (ReleaseStartLock(profileFile, settingNumber))
            released.push_back(settingNumber);
    return released;
}

std::optional<int16_t> FindRunningWidget(const std::string& profileFile, const SettingList& list) {
    for (int16_t settingNumber : list.numbers)
        if (ReadLock(profileFile, settingNumber) == "locked")
            return settingNumber;
    return std::nullopt;
}

void ResetWindowPositions(const std::string& profileFile, const SettingList& list) {
    for (int16_t settingNumber : list.numbers) {
        SelectProfile(profileFile, HouseSettingSection(settingNumber));
        WriteProfileValue("LastWindowTop", "0");
        WriteProfileValue("LastWindowLeft", "0");
    }
}

std::vector<std::string> StartAllCommandLines(const std::string& profileFile,
                                              const SettingList& list,
                                              const std::string& widgetPath) {
    std::vector<std::string> commandLines;
    for (auto it = list.numbers.begin(); it != list.numbers.end(); ++it) {
        if (std::find(list.numbers.begin(), it, *it) != it)
            continue;
        if (!IsSettingRunning(profileFile, *it))
            commandLines.push_back(WidgetCommandLine(widgetPath, WidgetSwitch::Show, *it));
    }
    return commandLines;
}

}  // namespace PimmoHouseModule
