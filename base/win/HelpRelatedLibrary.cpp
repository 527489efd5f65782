#include "base/win/HelpRelatedLibrary.h"

#include <vector>

#include "base/core/BaseTexts.h"
#include "base/core/HelpTopics.h"
#include "base/core/ProgramPath.h"
#include "base/core/Unicode.h"
#include "base/win/HelpViewer.h"
#include "base/win/MessageBox.h"

namespace HelpRelatedLibrary {

void ShowHelp(HINSTANCE instance, HWND owner, const HelpRequest& request) {
    // The file of the user's language when it is there; a missing one is named as asked for.
    std::string path = request.path;
    const HelpFileText file = ReadLanguageHelpFile(path);
    if (file.error) {
        const std::string_view text =
            *file.error == HelpFileError::Missing ? Text(BaseText::HelpMissing) : request.unreadableText;
        ShowMessage(owner, {std::string(text).append(request.lineBreak).append(path),
                            {},
                            MessageButtons::Ok,
                            MessageIcon::Exclamation});
        return;
    }
    const std::vector<HelpTopic> topics =
        request.context ? ParseHelpTopics(file.text) : std::vector<HelpTopic>{HelpTopic{0, {}, file.text}};
    const size_t first = request.context ? FindHelpTopicIndex(topics, *request.context) : 0;
    ShowHelpTopics(instance, owner, FormatText(Text(BaseText::HelpCaption), {ProgramTitle()}), topics, first);
}

void ShowHelpTopic(HINSTANCE instance, HWND owner, const std::string& helpFileName, int32_t context) {
    ShowHelp(instance, owner,
             {JoinPath(ProgramFolder(), helpFileName), context, Text(BaseText::HelpUnreadable), "\r\n"});
}

}  // namespace HelpRelatedLibrary
