#include "widget/core/PimmoMessages.h"

#include <utility>

#include "widget/core/CommandLine.h"
#include "widget/core/PictureChoice.h"
#include "widget/core/PimmoTexts.h"

namespace {

UserMessage Box(std::string text, MessageIcon icon) {
    return {std::move(text), {}, MessageButtons::Ok, icon, DefaultButton::First};
}

}  // namespace

UserMessage AnniversaryBox(std::string text) {
    return Box(std::move(text), MessageIcon::None);
}

UserMessage BadCommandLineBox(std::string_view arguments) {
    return Box(BadSettingNumberMessage(arguments), MessageIcon::Stop);
}

UserMessage StartLockBox(const std::string& switchText) {
    return Box(StartLockMessage(switchText), MessageIcon::Exclamation);
}

UserMessage UnreadableSettingBox(const SettingStore& store, const SettingLoadResult& result) {
    return Box(FormatText(Text(PimmoText::UnreadableSetting),
                          {store.ProfileFile(), store.Section(), result.key, result.value}),
               MessageIcon::Stop);
}

UserMessage WindowsFailedBox() {
    return Box(std::string(Text(PimmoText::WindowsFailed)), MessageIcon::Stop);
}

UserMessage UnexpectedFailureBox() {
    return Box(std::string(Text(PimmoText::UnexpectedFailure)), MessageIcon::Stop);
}

UserMessage NotSavedBox(const std::string& profileFile, UnsavedChange what) {
    return Box(UnsavedChangeText(profileFile, what), MessageIcon::Exclamation);
}

UserMessage DropRefusalBox() {
    return Box(std::string(Text(PimmoText::DropRefusal)), MessageIcon::Exclamation);
}

UserMessage OptionsRefusalBox(const ApplyResult& refusal) {
    return Box(refusal.message, refusal.icon);
}
