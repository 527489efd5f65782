#include "manager/core/HouseMessages.h"

#include "common/core/SettingSections.h"
#include "manager/core/HouseNames.h"

namespace PimmoHouseModule {
namespace {

HouseMessage Message(std::string text, MessageButtons buttons, MessageIcon icon) {
    return {std::move(text), kHouseTitle, buttons, icon};
}

}  // namespace

HouseMessage SecondInstanceMessage() {
    return Message("二重起動できません", MessageButtons::Ok, MessageIcon::None);
}

HouseMessage ConfirmReleaseLocksMessage() {
    return Message("起動ロックの強制解除を行います\r\nよろしいですか", MessageButtons::YesNo, MessageIcon::None);
}

HouseMessage WidgetsRunningMessage() {
    return Message("すべてのPimmoウィンドウを閉じてから再実行してください", MessageButtons::Ok, MessageIcon::Stop);
}

HouseMessage ConfirmPositionResetMessage() {
    return Message("すべてのPimmoウィンドウの位置を原点にリセットします\r\nよろしいですか", MessageButtons::YesNo,
                   MessageIcon::None);
}

HouseMessage UnreadableListMessage(const UnreadableSettingList& error) {
    const char* rule = error.key == kSettingCountKey ? "設定の数は 0 から 32767 までの整数で指定してください"
                                                     : "設定番号は -32768 から 32767 までの整数で指定してください";
    std::string text = "設定一覧を読み取れないため、Pimmoハウスを終了します。\r\nファイル: " + error.file +
                       "\r\nセクション: [" + std::string(kSettingListSection) + "]\r\nキー: " + error.key +
                       "\r\n値: " + (error.value.empty() ? std::string("(空)") : error.value) + "\r\n" + rule;
    return Message(std::move(text), MessageButtons::Ok, MessageIcon::Stop);
}

HouseMessage WidgetStartFailedMessage(const std::string& commandLine) {
    return Message("Pimmoを起動できないため、Pimmoハウスを終了します。\r\nコマンドライン: " + commandLine,
                   MessageButtons::Ok, MessageIcon::Stop);
}

HouseMessage NotSavedMessage(const std::string& profileFile, UnsavedChange what) {
    return Message(UnsavedChangeText(profileFile, what), MessageButtons::Ok, MessageIcon::Exclamation);
}

HouseMessage UnexpectedFailureMessage() {
    return Message("予期しないエラーが発生したため、Pimmoハウスを終了します。", MessageButtons::Ok, MessageIcon::Stop);
}

HouseMessage SelectLineToDeleteMessage() {
    return Message("削除する項目を選んでください", MessageButtons::Ok, MessageIcon::Exclamation);
}

HouseMessage DeleteRunningSettingMessage() {
    return Message("選択した設定は起動しています\r\n終了してから設定を削除してください", MessageButtons::Ok,
                   MessageIcon::Exclamation);
}

HouseMessage ConfirmDeleteMessage() {
    return Message("選択した項目を削除します\r\nよろしいですか", MessageButtons::YesNo, MessageIcon::Exclamation);
}

HouseMessage SelectLineToChangeMessage() {
    return Message("設定変更する項目を選んでください", MessageButtons::Ok, MessageIcon::Exclamation);
}

HouseMessage ChangeRunningSettingMessage() {
    return Message("選択した設定は起動しています\r\n終了してから設定を変更してください", MessageButtons::Ok,
                   MessageIcon::Exclamation);
}

HouseMessage NoMoreSettingsMessage() {
    return Message("これ以上設定を追加できません", MessageButtons::Ok, MessageIcon::Exclamation);
}

}  // namespace PimmoHouseModule
