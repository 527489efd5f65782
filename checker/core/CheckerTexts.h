#pragma once
// The checker's one catalogue of texts for the user, in Japanese and English, and the names of
// its profile (UTF-8).
#include <string>
#include <string_view>

#include "base/core/Language.h"
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
// English display texts of an installation's profile, beside the Japanese ones, which a pruvo
// that speaks Japanese only never reads: "AppNameEnglish" and the section "RuntimesEnglish".
inline constexpr std::string_view kAppNameEnglishKey = "AppNameEnglish";
inline constexpr std::string_view kRuntimesEnglishSection = "RuntimesEnglish";

enum class CheckerText {
    DefaultAppName,  // an installation's profile without AppName
    // Main dialog texts that change with the mode.
    InstallerCaption,
    ContinueText,
    QuitText,
    // The lists' columns.
    RuntimeColumn,
    StateColumn,
    DllColumn,
    PathColumn,
    VersionColumn,
    // The runtime list's states.
    Installed,
    NotInstalled,
    // Shown in the details list for a DLL the path search does not find.
    DllNotFound,
    // Messages.
    SelectForDownload,
    SelectForDetails,
    HelpUnreadable,  // the missing file and the caption are the help launcher's own
    MissingRuntime,  // {0}: the application's name
    Count
};

std::string_view Text(CheckerText id, Language language = UserLanguage());

// AppName + "の実行に必要なランタイムがインストールされていません" + LF + "インストールを中止します".
std::string MissingRuntimeMessage(std::string_view appName, Language language = UserLanguage());

// pruvo's message boxes as values, captioned with the program's title.
UserMessage MissingRuntimeBox(std::string_view appName);

// The title of message boxes and help: the program file's base name, in English written as a
// name ("Pruvo" for PRUVO.EXE or pruvo.exe).
std::string CheckerTitle(std::string_view baseName, Language language = UserLanguage());
// A button that needs a runtime chosen in the list first.
UserMessage SelectionNeededBox(std::string_view text);

// "\StringFileInfo\llllcccc\FileVersion": the version string of the given language and code
// page, each as four upper-case hexadecimal digits.
std::string FileVersionQuery(unsigned language, unsigned codePage);

}  // namespace Pruvo
