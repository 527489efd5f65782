#include "WidgetHelp.h"

#include <string>

#include "HelpText.h"
#include "HelpTopics.h"
#include "HelpViewer.h"
#include "MessageBox.h"
#include "ProgramPath.h"
#include "Unicode.h"

namespace {

constexpr char kHelpFileName[] = "pimmo.hlp";
constexpr char kHelpMissingMessage[] = "ヘルプファイルが見つかりません。";
constexpr char kHelpUnreadableMessage[] = "このヘルプファイルは表示できない形式です。";
constexpr char kHelpCaptionSuffix[] = " ヘルプ";

}  // namespace

void ShowWidgetHelp(HINSTANCE instance, HWND owner) {
    // Always the file beside the program, never one in the current directory.
    const std::string path = JoinPath(ProgramFolder(), kHelpFileName);
    const HelpFileText help = ReadHelpFile(Widen(path));
    if (help.error) {
        const char* message = *help.error == HelpFileError::Missing ? kHelpMissingMessage : kHelpUnreadableMessage;
        ShowMessage(owner, std::string(message) + "\r\n" + path, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const HelpTopic topic = FindHelpTopic(ParseHelpTopics(Narrow(help.text)), kWidgetHelpContext);
    const std::string caption = topic.title.empty() ? ProgramTitle() + kHelpCaptionSuffix : topic.title;
    ShowHelpText(instance, owner, caption, Widen(PrepareHelpText(topic.text)));
}
