#include "manager/core/HouseMessages.h"

#include "common/core/SettingSections.h"
#include "manager/core/HouseTexts.h"

namespace PimmoHouseModule {
namespace {

HouseMessage Message(std::string text, MessageButtons buttons, MessageIcon icon) {
    return {std::move(text), std::string(Text(HouseText::Title)), buttons, icon};
}

HouseMessage Message(HouseText text, MessageButtons buttons, MessageIcon icon) {
    return Message(std::string(Text(text)), buttons, icon);
}

}  // namespace

HouseMessage SecondInstanceMessage() {
    return Message(HouseText::SecondInstance, MessageButtons::Ok, MessageIcon::None);
}

HouseMessage ConfirmReleaseLocksMessage() {
    return Message(HouseText::ConfirmReleaseLocks, MessageButtons::YesNo, MessageIcon::None);
}

HouseMessage WidgetsRunningMessage() {
    return Message(HouseText::WidgetsRunning, MessageButtons::Ok, MessageIcon::Stop);
}

HouseMessage ConfirmPositionResetMessage() {
    return Message(HouseText::ConfirmPositionReset, MessageButtons::YesNo, MessageIcon::None);
}

HouseMessage UnreadableListMessage(const UnreadableSettingList& error) {
    const std::string_view rule = Text(error.key == kSettingCountKey ? HouseText::CountRule : HouseText::NumberRule);
    const std::string_view value = error.value.empty() ? Text(HouseText::EmptyValue) : std::string_view(error.value);
    return Message(
        FormatText(Text(HouseText::UnreadableList), {error.file, kSettingListSection, error.key, value, rule}),
        MessageButtons::Ok, MessageIcon::Stop);
}

HouseMessage WidgetStartFailedMessage(const std::string& commandLine) {
    return Message(FormatText(Text(HouseText::WidgetStartFailed), {commandLine}), MessageButtons::Ok,
                   MessageIcon::Stop);
}

HouseMessage NotSavedMessage(const std::string& profileFile, UnsavedChange what) {
    return Message(UnsavedChangeText(profileFile, what), MessageButtons::Ok, MessageIcon::Exclamation);
}

HouseMessage UnexpectedFailureMessage() {
    return Message(HouseText::UnexpectedFailure, MessageButtons::Ok, MessageIcon::Stop);
}

HouseMessage SelectLineToDeleteMessage() {
    return Message(HouseText::SelectLineToDelete, MessageButtons::Ok, MessageIcon::Exclamation);
}

HouseMessage DeleteRunningSettingMessage() {
    return Message(HouseText::DeleteRunningSetting, MessageButtons::Ok, MessageIcon::Exclamation);
}

HouseMessage ConfirmDeleteMessage() {
    return Message(HouseText::ConfirmDelete, MessageButtons::YesNo, MessageIcon::Exclamation);
}

HouseMessage SelectLineToChangeMessage() {
    return Message(HouseText::SelectLineToChange, MessageButtons::Ok, MessageIcon::Exclamation);
}

HouseMessage ChangeRunningSettingMessage() {
    return Message(HouseText::ChangeRunningSetting, MessageButtons::Ok, MessageIcon::Exclamation);
}

HouseMessage NoMoreSettingsMessage() {
    return Message(HouseText::NoMoreSettings, MessageButtons::Ok, MessageIcon::Exclamation);
}

}  // namespace PimmoHouseModule
