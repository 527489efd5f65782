#pragma once
// Every message box the widget shows, as data: the one catalogue of pimmo's boxes. They carry
// no title of their own: pimmo's title, "Pimmo for Windows", captions them.
#include <string>
#include <string_view>

#include "base/core/UserMessage.h"
#include "common/core/SettingStore.h"
#include "common/core/UnsavedChange.h"
#include "widget/core/OptionsApply.h"

// A birthday, a month-birthday or a round day count: plain news, no icon.
UserMessage AnniversaryBox(std::string text);
// The command line names no setting the widget can serve; nothing was touched.
UserMessage BadCommandLineBox(std::string_view arguments);
// The setting is served by another widget (or a lock was left behind).
UserMessage StartLockBox(const std::string& switchText);
// A hand-edited section that cannot be read ends the widget.
UserMessage UnreadableSettingBox(const SettingStore& store, const SettingLoadResult& result);
// The photo windows could not be made; the widget ends.
UserMessage WindowsFailedBox();
// An unexpected failure inside a window ends the widget.
UserMessage UnexpectedFailureBox();
// The profile file could not be written: what of the user's work it does not hold.
UserMessage NotSavedBox(const std::string& profileFile, UnsavedChange what);
// A dropped file of a kind the widget does not show.
UserMessage DropRefusalBox();
// The options dialog or the wizard refused a value.
UserMessage OptionsRefusalBox(const ApplyResult& refusal);
