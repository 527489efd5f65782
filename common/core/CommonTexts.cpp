#include "common/core/CommonTexts.h"

namespace {

constexpr CatalogueRow<CommonText> kTexts[] = {
    {CommonText::SubjectWindowPlace, {"ウィンドウの位置", "The window position was not saved."}},
    {CommonText::SubjectOptions, {"オプション", "The options were not saved."}},
    {CommonText::SubjectPicture, {"写真の選択", "The chosen photo was not saved."}},
    {CommonText::SubjectDeletedSetting, {"設定の削除", "The setting was not deleted."}},
    {CommonText::SubjectStartLock, {"起動ロックの解除", "The start lock was not released."}},
    {CommonText::SubjectSettingList, {"設定一覧", "The list of settings was not saved."}},
    {CommonText::SubjectReleasedLocks, {"起動ロックの強制解除", "The start locks were not released."}},
    {CommonText::SubjectWindowPositions, {"ウィンドウの位置のリセット", "The window positions were not reset."}},
    {CommonText::SubjectSetting, {"設定", "The setting was not saved."}},
    {CommonText::NotSaved,
     {"設定ファイルに書き込めないため、{0}を保存できませんでした。\r\nファイル: {1}"
      "\r\nファイルが読み取り専用になっていないか、ディスクに空きがあるかを確認してください。",
      "The settings file could not be written. {0}\r\nFile: {1}"
      "\r\nPlease check that the file is not read-only and that the disk is not full."}},
};
static_assert(IsCompleteCatalogue(kTexts));

}  // namespace

std::string_view Text(CommonText id, Language language) {
    return kTexts[static_cast<size_t>(id)].text.In(language);
}
