#include "common/core/CommonTexts.h"

namespace {

constexpr CatalogueRow<CommonText> kTexts[] = {
    {CommonText::SubjectWindowPlace, {"ウィンドウの位置", "the window's place"}},
    {CommonText::SubjectOptions, {"オプション", "the options"}},
    {CommonText::SubjectPicture, {"写真の選択", "the chosen photo"}},
    {CommonText::SubjectDeletedSetting, {"設定の削除", "the deleted setting"}},
    {CommonText::SubjectStartLock, {"起動ロックの解除", "the release of the start lock"}},
    {CommonText::SubjectSettingList, {"設定一覧", "the list of settings"}},
    {CommonText::SubjectReleasedLocks, {"起動ロックの強制解除", "the forced release of the start locks"}},
    {CommonText::SubjectWindowPositions, {"ウィンドウの位置のリセット", "the reset of the window places"}},
    {CommonText::SubjectSetting, {"設定", "the setting"}},
    {CommonText::NotSaved,
     {"設定ファイルに書き込めないため、{0}を保存できませんでした。\r\nファイル: {1}"
      "\r\nファイルが読み取り専用になっていないか、ディスクに空きがあるかを確認してください。",
      "Pimmo could not write to its settings file, so {0} could not be saved.\r\nFile: {1}"
      "\r\nPlease check that the file is not read-only and that the disk has free space."}},
};
static_assert(IsCompleteCatalogue(kTexts));

}  // namespace

std::string_view Text(CommonText id, Language language) {
    return kTexts[static_cast<size_t>(id)].text.In(language);
}
