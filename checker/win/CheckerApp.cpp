#include "CheckerApp.h"

#include "CheckerDialog.h"
#include "CheckerFiles.h"
#include "CheckerProgram.h"
#include "CheckerTexts.h"
#include "ExecuteLink.h"
#include "ProgramPath.h"
#include "RuntimeCheck.h"
#include "Runtimes.h"
#include "SystemLibrary.h"
#include "Unicode.h"
#include "resource.h"

namespace Pruvo {

std::string RunProfilePath() {
    return ProfilePath(CurrentDirectory(), ProgramPath());
}

int CheckerApp::Run() {
    InitListViewControls();
    InitShellCom();
    const RuntimeCheck check = CheckRuntimes(m_profile, BuiltinRuntimes(m_instance), m_probe);
    CheckerDialog dialog(m_profile, check, m_probe);
    if (dialog.RunModal(m_instance, IDD_CHECKER, nullptr) == IDOK && check.allInstalled)
        RunExecuteLink(m_profile);
    return 0;
}

void RunExecuteLink(const ProfileReader& profile) {
    const ExecuteLink link = ParseExecuteLink(profile.ReadString(kPruvoSection, kExecuteLinkKey, ""));
    // Whether the copy worked is not checked: the target is opened all the same.
    if (link.copyFirst)
        CopyFileW(Widen(link.source).c_str(), Widen(link.target).c_str(), FALSE);
    // Nothing is named: asking the shell to open an empty name could only fail or open a folder.
    if (!link.target.empty())
        ShellOpen(GetDesktopWindow(), link.target, SW_SHOWNORMAL);
}

}  // namespace Pruvo
