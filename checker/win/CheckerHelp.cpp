#include "CheckerHelp.h"

#include "CheckerFiles.h"
#include "CheckerTexts.h"
#include "HelpViewer.h"
#include "MessageBox.h"
#include "ProgramPath.h"
#include "Unicode.h"

namespace Pruvo {

void ShowHelpFile(HINSTANCE instance, HWND owner) {
    const std::string path = HelpFilePath(ProgramPath());
    const HelpFileText help = ReadHelpFile(Widen(path));
    if (help.error) {
        const std::string_view message =
            *help.error == HelpFileError::Missing ? kHelpMissingMessage : kHelpUnreadableMessage;
        ShowMessage(owner, HelpFileBox(message, path));
        return;
    }
    ShowHelpText(instance, owner, ProgramTitle() + std::string(kHelpCaptionSuffix), help.text);
}

}  // namespace Pruvo
