#include "common/win/HelpRelatedLibrary.h"

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

void ShowHelpTopic(HINSTANCE instance, HWND owner, const std::string& helpFileName, int32_t context) {
    const std::string path = JoinPath(ProgramFolder(), helpFileName);
    const HelpFileText file = ReadHelpFile(Widen(path));
    if (file.error) {
        const char* text = *file.error == HelpFileError::Missing ? kMissingText : kUnreadableText;
        ShowMessage(owner, {std::string(text) + "\r\n" + path, {}, MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    }
    const std::vector<HelpTopic> topics = ParseHelpTopics(Narrow(file.text));
    ShowHelpTopics(instance, owner, ProgramTitle() + kCaptionSuffix, topics, FindHelpTopicIndex(topics, context));
}

}  // namespace HelpRelatedLibrary
