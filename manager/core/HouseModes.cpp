#include "manager/core/HouseModes.h"

#include <algorithm>

#include "common/core/SettingKeys.h"
#include "common/core/SettingSections.h"
#include "common/core/SettingStore.h"
#include "manager/core/HouseCommandLine.h"

namespace PimmoHouseModule {
namespace {

std::string LockOf(const ProfileSnapshot& profile, int16_t settingNumber) {
    return profile.Value(HouseSettingSection(settingNumber), kLockKey, "");
}

std::optional<int16_t> FirstRunning(const ProfileSnapshot& profile, const SettingList& list) {
    for (int16_t settingNumber : list.numbers)
        if (IsWidgetRunningLock(LockOf(profile, settingNumber)))
            return settingNumber;
    return std::nullopt;
}

}  // namespace

ReleasedLocks ReleaseAllStartLocks(const std::string& profileFile, const SettingList& list) {
    std::vector<int16_t> settings{0};
    settings.insert(settings.end(), list.numbers.begin(), list.numbers.end());
    ReleasedLocks result;
    result.saved = UpdateProfile(profileFile, [&](const ProfileSnapshot& profile) {
        result.released.clear();
        ProfileWrites writes;
        for (int16_t settingNumber : settings) {
            // A number listed twice is cleared once, as the second read of its lock finds it empty.
            const bool cleared =
                std::find(result.released.begin(), result.released.end(), settingNumber) != result.released.end();
            if (cleared || !IsStartLockSet(LockOf(profile, settingNumber)))
                continue;
            result.released.push_back(settingNumber);
            writes.push_back({HouseSettingSection(settingNumber), kLockKey, ""});  // the key stays, empty
        }
        return writes;
    });
    if (!result.saved)
        result.released.clear();
    return result;
}

std::optional<int16_t> FindRunningWidget(const std::string& profileFile, const SettingList& list) {
    std::optional<int16_t> running;
    ReadProfile(profileFile, [&](const ProfileSnapshot& profile) { running = FirstRunning(profile, list); });
    return running;
}

PositionReset ResetWindowPositions(const std::string& profileFile, const SettingList& list) {
    bool widgetRunning = false;
    const bool saved = UpdateProfile(profileFile, [&](const ProfileSnapshot& profile) {
        widgetRunning = FirstRunning(profile, list).has_value();
        ProfileWrites writes;
        for (int16_t settingNumber : list.numbers) {
            if (widgetRunning)
                break;
            const std::string section = HouseSettingSection(settingNumber);
            writes.push_back({section, SettingKeyName::kLastWindowTop, "0"});
            writes.push_back({section, SettingKeyName::kLastWindowLeft, "0"});
        }
        return writes;
    });
    if (widgetRunning)
        return PositionReset::WidgetRunning;
    return saved ? PositionReset::Done : PositionReset::NotSaved;
}

std::vector<std::string> StartAllCommandLines(const std::string& profileFile,
                                              const SettingList& list,
                                              const std::string& widgetPath) {
    std::vector<std::string> commandLines;
    ReadProfile(profileFile, [&](const ProfileSnapshot& profile) {
        for (auto it = list.numbers.begin(); it != list.numbers.end(); ++it) {
            if (std::find(list.numbers.begin(), it, *it) != it)
                continue;
            if (!IsStartLockSet(LockOf(profile, *it)))
                commandLines.push_back(WidgetCommandLine(widgetPath, WidgetSwitch::Show, *it));
        }
    });
    return commandLines;
}

}  // namespace PimmoHouseModule
