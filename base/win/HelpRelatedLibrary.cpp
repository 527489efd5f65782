#include "base/win/HelpRelatedLibrary.h"

#include <vector>

#include "base/core/HelpTopics.h"
#include "base/core/ProgramPath.h"
#include "base/core/Unicode.h"
#include "base/win/HelpViewer.h"
#include "base/win/MessageBox.h"

namespace HelpRelatedLibrary {
namespace {

constexpr char kMissingText[] = "ヘルプファイルが見つかりません";
constexpr char kUnreadableText[] = "ヘルプファイルを読み込めません";
constexpr char kCaptionSuffix[] = " ヘルプ";

}  // namespace

void ShowHelp(HINSTANCE instance, HWND owner, const HelpRequest& request) {
    const HelpFileText file = ReadHelpFile(Widen(request.path));
    if (file.error) {
        const std::string_view text = *file.error == HelpFileError::Missing ? kMissingText : request.unreadableText;
        ShowMessage(owner, {std::string(text).append(request.lineBreak).append(request.path),
                            {},
                            MessageButtons::Ok,
                            MessageIcon::Exclamation});
        return;
    }
    const std::vector<HelpTopic> topics =
        request.context ? ParseHelpTopics(file.text) : std::vector<HelpTopic>{HelpTopic{0, {}, file.text}};
    const size_t first = request.context ? FindHelpTopicIndex(topics, *request.context) : 0;
    ShowHelpTopics(instance, owner, ProgramTitle() + kCaptionSuffix, topics, first);
}

void ShowHelpTopic(HINSTANCE instance, HWND owner, const std::string& helpFileName, int32_t context) {
    ShowHelp(instance, owner, {JoinPath(ProgramFolder(), helpFileName), context, kUnreadableText, "\r\n"});
}

}  // namespace HelpRelatedLibrary
