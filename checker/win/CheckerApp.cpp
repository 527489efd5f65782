#include "checker/win/CheckerApp.h"

#include "base/core/ProgramPath.h"
#include "base/core/Unicode.h"
#include "base/win/ComApartment.h"
#include "base/win/MessageBox.h"
#include "checker/core/CheckerFiles.h"
#include "checker/core/CheckerTexts.h"
#include "checker/core/ExecuteLink.h"
#include "checker/core/RuntimeCheck.h"
#include "checker/win/CheckerDialog.h"
#include "checker/win/CheckerProgram.h"
#include "checker/win/PruvoResource.h"
#include "checker/win/Runtimes.h"
#include "checker/win/ShellFunctions.h"

namespace Pruvo {

std::string RunProfilePath() {
    return ProfilePath(CurrentDirectory(), ProgramPath());
}

int CheckerApp::Run() {
    SetProgramTitle(CheckerTitle(ProgramBaseName()));
    InitListViewControls();
    EnsureComApartment();  // the shell expects COM on the thread before it opens documents
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
