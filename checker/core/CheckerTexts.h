#pragma once
// The checker's fixed texts for the user and the names of its profile (UTF-8).
#include <string>
#include <string_view>

#include "base/core/UserMessage.h"

namespace Pruvo {

// Profile sections and keys.
inline constexpr std::string_view kPruvoSection = "Pruvo";
inline constexpr std::string_view kDllsSection = "Dlls";
inline constexpr std::string_view kRuntimesSection = "Runtimes";
inline constexpr std::string_view kUrlsSection = "Urls";
inline constexpr std::string_view kNumbersOfDllsKey = "NumbersOfDlls";
inline constexpr std::string_view kAppNameKey = "AppName";
inline constexpr std::string_view kExecuteLinkKey = "ExecuteLink";
inline constexpr std::string_view kDefaultAppName = "アプリケーション";

// Main dialog texts that change with the mode.
inline constexpr std::string_view kInstallerCaption = "ランタイムのチェック";
inline constexpr std::string_view kContinueText = "継続";
inline constexpr std::string_view kQuitText = "終了";

// Messages.
inline constexpr std::string_view kSelectForDownloadMessage = "ダウンロードするランタイムを選択してください";
inline constexpr std::string_view kSelectForDetailsMessage = "情報を見るランタイムを選択してください";
inline constexpr std::string_view kHelpUnreadableMessage = "このヘルプファイルは表示できない形式です";

// Shown in the details list for a DLL the path search does not find.
inline constexpr std::string_view kDllNotFoundText = "未インストール";

// AppName + "の実行に必要なランタイムがインストールされていません" + LF + "インストールを中止します".
std::string MissingRuntimeMessage(std::string_view appName);

// pruvo's message boxes as values, captioned with the program's title.
UserMessage MissingRuntimeBox(std::string_view appName);
// A button that needs a runtime chosen in the list first.
UserMessage SelectionNeededBox(std::string_view text);

// "\StringFileInfo\llllcccc\FileVersion": the version string of the given language and code
// page, each as four upper-case hexadecimal digits.
std::string FileVersionQuery(unsigned language, unsigned codePage);

}  // namespace Pruvo
