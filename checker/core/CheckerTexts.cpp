#include "checker/core/CheckerTexts.h"

#include <cctype>
#include <cstdio>

namespace Pruvo {

namespace {

using T = CheckerText;

constexpr CatalogueRow<CheckerText> kTexts[] = {
    {T::DefaultAppName, {"アプリケーション", "the application"}},
    {T::InstallerCaption, {"ランタイムのチェック", "Runtime Check"}},
    {T::ContinueText, {"継続", "Continue"}},
    {T::QuitText, {"終了", "Quit"}},
    {T::RuntimeColumn, {"ランタイム名", "Runtime"}},
    {T::StateColumn, {"状態", "Status"}},
    {T::DllColumn, {"DLL名", "DLL"}},
    {T::PathColumn, {"ファイルのパス", "File path"}},
    {T::VersionColumn, {"バージョン情報", "Version"}},
    {T::Installed, {"インストール済み", "Installed"}},
    {T::NotInstalled, {"未インストール", "Not installed"}},
    {T::DllNotFound, {"未インストール", "Not found"}},
    {T::SelectForDownload, {"ダウンロードするランタイムを選択してください", "Please select the runtime to download."}},
    {T::SelectForDetails,
     {"情報を見るランタイムを選択してください", "Please select the runtime whose details you want to see."}},
    {T::HelpUnreadable,
     {"このヘルプファイルは表示できない形式です", "This help file is in a format that cannot be displayed."}},
    {T::MissingRuntime,
     {"{0}の実行に必要なランタイムがインストールされていません\nインストールを中止します",
      "One or more runtimes that {0} needs are not installed.\nThe installation has been canceled."}},
};
static_assert(IsCompleteCatalogue(kTexts));

}  // namespace

std::string_view Text(CheckerText id, Language language) {
    return kTexts[static_cast<size_t>(id)].text.In(language);
}

std::string MissingRuntimeMessage(std::string_view appName, Language language) {
    return FormatText(Text(CheckerText::MissingRuntime, language), {appName});
}

std::string FileVersionQuery(unsigned language, unsigned codePage) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "\\StringFileInfo\\%04X%04X\\FileVersion", language & 0xFFFFu,
                  codePage & 0xFFFFu);
    return buffer;
}

std::string CheckerTitle(std::string_view baseName, Language language) {
    std::string title(baseName);
    if (language == Language::English)
        for (size_t i = 0; i < title.size(); ++i)
            title[i] = static_cast<char>(i == 0 ? std::toupper(static_cast<unsigned char>(title[i]))
                                                : std::tolower(static_cast<unsigned char>(title[i])));
    return title;
}

UserMessage MissingRuntimeBox(std::string_view appName) {
    return {MissingRuntimeMessage(appName)};
}

UserMessage SelectionNeededBox(std::string_view text) {
    return {std::string(text), {}, MessageButtons::Ok, MessageIcon::Exclamation};
}

}  // namespace Pruvo
