#pragma once
// Every message box house shows, as data, captioned with house's title: the one catalogue of
// house's texts for the user.
#include <string>

#include "base/core/UserMessage.h"
#include "common/core/UnsavedChange.h"
#include "manager/core/SettingList.h"

namespace PimmoHouseModule {

using HouseMessage = UserMessage;

// Start-up and the modes "/R" and "/P".
HouseMessage SecondInstanceMessage();
HouseMessage ConfirmReleaseLocksMessage();
HouseMessage WidgetsRunningMessage();
HouseMessage ConfirmPositionResetMessage();
// The stored list cannot be read: house ends before any window, nothing written.
HouseMessage UnreadableListMessage(const UnreadableSettingList& error);
// The widget program could not be started (start all, Add, Change, Delete): house ends.
HouseMessage WidgetStartFailedMessage(const std::string& commandLine);

// The profile file could not be written: what was not saved; house goes on.
HouseMessage NotSavedMessage(const std::string& profileFile, UnsavedChange what);
// An unexpected failure ends house.
HouseMessage UnexpectedFailureMessage();

// The manager window.
HouseMessage SelectLineToDeleteMessage();
HouseMessage DeleteRunningSettingMessage();
HouseMessage ConfirmDeleteMessage();
HouseMessage SelectLineToChangeMessage();
HouseMessage ChangeRunningSettingMessage();
// Add finds no free setting number, or the list already holds 32767 entries.
HouseMessage NoMoreSettingsMessage();

}  // namespace PimmoHouseModule
