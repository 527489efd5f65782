#include "widget/core/PimmoTexts.h"

namespace {

using T = PimmoText;

constexpr CatalogueRow<PimmoText> kTexts[] = {
    {T::BirthdayYears, {"{0}歳のお誕生日", "{0} birthday"}},
    {T::BirthdayMonths, {"{0}ヶ月のお誕生日", "{0}-month birthday"}},
    {T::DayCount, {"誕生から{0}日め", "{0} day"}},
    {T::Caption, {"{0}が生まれてから今日で{1}日", "Today is day {1} for {0}"}},
    {T::MessageDayCount, {"{0}の日", "{0}"}},
    {T::MessageBoth, {"{0}です。しかも{1}", "{0} and {1}"}},
    {T::Message, {"今日は{0}の{1}です", "Today is {0}'s {1}!"}},
    {T::MilestoneBoth, {"{0}と{1}", "{0} and {1}"}},
    {T::AgeYear, {"{0}歳", "{0} year"}},
    {T::AgeYears, {"{0}歳", "{0} years"}},
    {T::AgeMonth, {"{0}ヶ月", "{0} month"}},
    {T::AgeMonths, {"{0}ヶ月", "{0} months"}},
    {T::AgeDay, {"{0}日", "{0} day"}},
    {T::AgeDays, {"{0}日", "{0} days"}},
    {T::DayToBirth, {"誕生まであと{0}日", "{0} day until birth"}},
    {T::DaysToBirth, {"誕生まであと{0}日", "{0} days until birth"}},
    {T::NextMilestoneTomorrow, {"次の記念日: {0} (あと{1}日)", "Next milestone: {0} (tomorrow)"}},
    {T::NextMilestone, {"次の記念日: {0} (あと{1}日)", "Next milestone: {0} (in {1} days)"}},
    {T::LockEdit,
     {"この設定のPimmoは起動中です。\r\n終了してから設定を変更してください",
      "Pimmo is already showing this setting.\r\nPlease close it before you change the setting."}},
    {T::LockDelete,
     {"この設定のPimmoは起動中です。\r\n終了してから設定を削除してください",
      "Pimmo is already showing this setting.\r\nPlease close it before you delete the setting."}},
    {T::LockSecond, {"同じ設定で二重起動することはできません", "Pimmo is already showing this setting."}},
    {T::BadSettingNumber,
     {"コマンドラインの設定番号を読み取れません: {0}\r\n設定番号は -32768 から 32767 までの整数で指定してください",
      "Pimmo cannot read the setting number on its command line: {0}\r\n"
      "A setting number must be a whole number from -32768 to 32767."}},
    {T::UnreadableSetting,
     {"設定ファイルの値を読み取れないため、Pimmoを終了します。\r\nファイル: {0}\r\nセクション: [{1}]\r\nキー: "
      "{2}\r\n値: {3}",
      "Pimmo cannot read a value in its settings file and will close.\r\nFile: {0}\r\nSection: [{1}]\r\nKey: {2}\r\n"
      "Value: {3}"}},
    {T::WindowsFailed,
     {"写真のウィンドウを作成できないため、Pimmoを終了します。",
      "Pimmo cannot create its photo window and will close."}},
    {T::UnexpectedFailure,
     {"予期しないエラーが発生したため、Pimmoを終了します。", "Something unexpected went wrong, so Pimmo will close."}},
    {T::FolderShownTaken, {"写真: {0} (撮影日 {1})", "Photo: {0} (taken {1})"}},
    {T::FolderShownModified, {"写真: {0} (更新日 {1})", "Photo: {0} (changed {1})"}},
    {T::FolderEmpty, {"写真のフォルダーに写真がありません: {0}", "There are no photos in the photo folder: {0}"}},
    {T::FolderUnreachable,
     {"写真のフォルダーが見つからないため、前の写真を表示しています: {0}",
      "The photo folder cannot be found, so the last photo stays: {0}"}},
    {T::FolderPlain, {"写真のフォルダー: {0}", "Photo folder: {0}"}},
    {T::FolderPickerTitle, {"写真のフォルダーを選択してください", "Choose the folder of photos"}},
    {T::MenuFile, {"ファイル", "File"}},
    {T::MenuOpen, {"画像を開く", "Open Photo..."}},
    {T::MenuQuit, {"終了", "Exit"}},
    {T::MenuSettings, {"設定", "Settings"}},
    {T::MenuOption, {"オプション", "Options..."}},
    {T::MenuHelp, {"ヘルプ", "Help"}},
    {T::MenuAbout, {"バージョン情報", "About Pimmo"}},
    {T::MenuShowFrame, {"ふちのあるウィンドウにする", "Show Window Frame"}},
    {T::MenuHideFrame, {"ふちのないウィンドウにする", "Hide Window Frame"}},
    {T::OptionsCaption, {"Pimmo for Windowsの設定", "Pimmo for Windows Options"}},
    {T::NoPicture, {"未設定", "No photo chosen yet"}},
    {T::StretchWidth, {" 幅", "width"}},
    {T::StretchHeight, {" 高さ", "height"}},
    {T::StretchLonger, {" 幅と高さの長いほう", "longer side"}},
    {T::OrderOneFile, {"いつも同じ写真", "Always the same photo"}},
    {T::OrderNewest, {"フォルダーのいちばん新しい写真", "The newest photo in the folder"}},
    {T::OrderOneADay, {"フォルダーの写真を毎日ひとつずつ", "A new photo from the folder each day"}},
    {T::FolderLabel, {"フォルダー: {0}", "Folder: {0}"}},
    {T::NameMissing, {"子供の名前を指定してください", "Please enter the child's name."}},
    {T::SizeTooSmall, {"80ピクセル以下の数値は指定できません", "Please enter a size of at least 80 pixels."}},
    {T::PictureMissing, {"子供の写真を設定してください", "Please choose a photo of the child."}},
    {T::SizeNotNumber,
     {"写真の大きさはピクセル数を数字で指定してください", "Please enter the photo's size as a number of pixels."}},
    {T::SizeTooLarge, {"32767ピクセルより大きな数値は指定できません", "The size cannot be more than 32767 pixels."}},
    {T::BirthdayMissing, {"子供の誕生日を指定してください", "Please choose the child's birthday."}},
    {T::FolderMissing, {"写真のフォルダーを指定してください", "Please choose the folder of photos."}},
    {T::NonexistentDate,
     {"{0}年{1}月{2}日という日はありません。正しい誕生日を指定してください",
      "Month {1} of {0} has no day {2}. Please choose the right birthday."}},
    {T::PictureFilter, {"Pimmoの写真", "Pimmo photos"}},
    {T::PictureDialogTitle, {"Pimmoの写真を選択してください", "Choose a photo for Pimmo"}},
    {T::DropRefusal, {"BMPないしはJPGファイルをドロップしてください", "Please drop a BMP or JPG file."}},
};
static_assert(IsCompleteCatalogue(kTexts));

}  // namespace

std::string_view Text(PimmoText id, Language language) {
    return kTexts[static_cast<size_t>(id)].text.In(language);
}
