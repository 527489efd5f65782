#include "common/win/HelpRelatedLibrary.h"

#include "base/core/HelpTopics.h"
#include "base/core/ProgramPath.h"
#include "base/core/Unicode.h"
#include "base/win/HelpViewer.h"
#include "base/win/MessageBox.h"
#include "common/core/CommonTexts.h"

namespace HelpRelatedLibrary {

void ShowHelpTopic(HINSTANCE instance, HWND owner, const std::string& helpFileName, int32_t context) {
    std::string path = JoinPath(ProgramFolder(), helpFileName);
    const HelpFileText file = ReadLanguageHelpFile(path);
    if (file.error) {
        const std::string_view text =
            Text(*file.error == HelpFileError::Missing ? CommonText::HelpMissing : CommonText::HelpUnreadable);
        ShowMessage(owner, {std::string(text) + "\r\n" + path, {}, MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    }
    const std::vector<HelpTopic> topics = ParseHelpTopics(Narrow(file.text));
    ShowHelpTopics(instance, owner, FormatText(Text(CommonText::HelpCaption), {ProgramTitle()}), topics,
                   FindHelpTopicIndex(topics, context));
}

}  // namespace HelpRelatedLibrary
