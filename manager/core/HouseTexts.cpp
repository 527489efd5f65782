#include "manager/core/HouseTexts.h"

namespace PimmoHouseModule {
namespace {

using T = HouseText;

constexpr CatalogueRow<HouseText> kTexts[] = {
    {T::Title, {"Pimmoハウス", "Pimmo House"}},
    {T::SettingListName, {"設定の一覧", "Settings"}},
    {T::BornOn, {"{0} ({1}生まれ)", "{0} (born {1})"}},
    {T::UnknownBirthday, {"{0} (生年月日不明)", "{0} (birthday unknown)"}},
    {T::SecondInstance, {"二重起動できません", "Pimmo House is already running."}},
    {T::ConfirmReleaseLocks,
     {"起動ロックの強制解除を行います\r\nよろしいですか",
      "This releases the start lock of every setting.\r\nDo you want to continue?"}},
    {T::WidgetsRunning,
     {"すべてのPimmoウィンドウを閉じてから再実行してください",
      "Please close all Pimmo photo windows, then try again."}},
    {T::ConfirmPositionReset,
     {"すべてのPimmoウィンドウの位置を原点にリセットします\r\nよろしいですか",
      "This moves every Pimmo photo window to the top left corner of the screen.\r\nDo you want to continue?"}},
    {T::UnreadableList,
     {"設定一覧を読み取れないため、Pimmoハウスを終了します。\r\nファイル: {0}\r\nセクション: [{1}]\r\nキー: {2}"
      "\r\n値: {3}\r\n{4}",
      "Pimmo House cannot read its list of settings and will close.\r\nFile: {0}\r\nSection: [{1}]\r\nKey: {2}"
      "\r\nValue: {3}\r\n{4}"}},
    {T::EmptyValue, {"(空)", "(empty)"}},
    {T::CountRule,
     {"設定の数は 0 から 32767 までの整数で指定してください",
      "The number of settings must be a whole number from 0 to 32767."}},
    {T::NumberRule,
     {"設定番号は -32768 から 32767 までの整数で指定してください",
      "A setting number must be a whole number from -32768 to 32767."}},
    {T::WidgetStartFailed,
     {"Pimmoを起動できないため、Pimmoハウスを終了します。\r\nコマンドライン: {0}",
      "Pimmo House cannot start Pimmo and will close.\r\nCommand line: {0}"}},
    {T::UnexpectedFailure,
     {"予期しないエラーが発生したため、Pimmoハウスを終了します。",
      "Pimmo House has encountered an unexpected error and will close."}},
    {T::SelectLineToDelete, {"削除する項目を選んでください", "Please select the setting to delete."}},
    {T::DeleteRunningSetting,
     {"選択した設定は起動しています\r\n終了してから設定を削除してください",
      "The selected setting is open in a photo window.\r\nClose that window before you delete the setting."}},
    {T::ConfirmDelete,
     {"選択した項目を削除します\r\nよろしいですか", "Are you sure you want to delete the selected setting?"}},
    {T::SelectLineToChange, {"設定変更する項目を選んでください", "Please select the setting to change."}},
    {T::ChangeRunningSetting,
     {"選択した設定は起動しています\r\n終了してから設定を変更してください",
      "The selected setting is open in a photo window.\r\nClose that window before you change the setting."}},
    {T::NoMoreSettings, {"これ以上設定を追加できません", "No more settings can be added."}},
};
static_assert(IsCompleteCatalogue(kTexts));

}  // namespace

std::string_view Text(HouseText id, Language language) {
    return kTexts[static_cast<size_t>(id)].text.In(language);
}

}  // namespace PimmoHouseModule
