#include "widget/core/PimmoMessages.h"

#include <utility>

#include "widget/core/CommandLine.h"
#include "widget/core/PictureChoice.h"

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
    return Box("設定ファイルの値を読み取れないため、Pimmoを終了します。\r\nファイル: " + store.ProfileFile() +
                   "\r\nセクション: [" + store.Section() + "]\r\nキー: " + result.key + "\r\n値: " + result.value,
               MessageIcon::Stop);
}

UserMessage WindowsFailedBox() {
    return Box("写真のウィンドウを作成できないため、Pimmoを終了します。", MessageIcon::Stop);
}

UserMessage UnexpectedFailureBox() {
    return Box("予期しないエラーが発生したため、Pimmoを終了します。", MessageIcon::Stop);
}

UserMessage NotSavedBox(const std::string& profileFile, UnsavedChange what) {
    return Box(UnsavedChangeText(profileFile, what), MessageIcon::Exclamation);
}

UserMessage DropRefusalBox() {
    return Box(kDropRefusal, MessageIcon::Exclamation);
}

UserMessage OptionsRefusalBox(const ApplyResult& refusal) {
    return Box(refusal.message, refusal.icon);
}
