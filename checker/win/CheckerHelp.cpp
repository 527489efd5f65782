#include "checker/win/CheckerHelp.h"

#include "base/core/ProgramPath.h"
#include "base/core/Unicode.h"
#include "base/win/HelpViewer.h"
#include "base/win/MessageBox.h"
#include "checker/core/CheckerFiles.h"
#include "checker/core/CheckerTexts.h"

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
