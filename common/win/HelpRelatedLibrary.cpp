#include "HelpRelatedLibrary.h"

#include "HelpText.h"
#include "HelpTopics.h"
#include "HelpViewer.h"
#include "MessageBox.h"
#include "ProgramPath.h"
#include "Unicode.h"

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
        ShowMessage(owner, std::string(text) + "\r\n" + path, MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    const HelpTopic topic = FindHelpTopic(ParseHelpTopics(Narrow(file.text)), context);
    const std::string caption = topic.title.empty() ? ProgramTitle() + kCaptionSuffix : topic.title;
    ShowHelpText(instance, owner, caption, Widen(PrepareHelpText(topic.text)));
}

}  // namespace HelpRelatedLibrary
