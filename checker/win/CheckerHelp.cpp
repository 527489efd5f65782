#include "checker/win/CheckerHelp.h"

#include "base/core/ProgramPath.h"
#include "base/core/Unicode.h"
#include "base/win/HelpViewer.h"
#include "base/win/MessageBox.h"
#include "checker/core/CheckerFiles.h"
#include "checker/core/CheckerTexts.h"

namespace Pruvo {

void ShowHelpFile(HINSTANCE instance, HWND owner) {
    std::string path = HelpFilePath(ProgramPath());
    const HelpFileText help = ReadLanguageHelpFile(path);
    if (help.error) {
        const std::string_view message =
            Text(*help.error == HelpFileError::Missing ? CheckerText::HelpMissing : CheckerText::HelpUnreadable);
        ShowMessage(owner, HelpFileBox(message, path));
        return;
    }
    ShowHelpText(instance, owner, FormatText(Text(CheckerText::HelpCaption), {ProgramTitle()}), help.text);
}

}  // namespace Pruvo
