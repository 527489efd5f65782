#include "CheckerApp.h"

#include "CheckerDialog.h"
#include "CheckerFiles.h"
#include "CheckerProgram.h"
#include "CheckerTexts.h"
#include "ExecuteLink.h"
#include "ProgramPath.h"
#include "SystemLibrary.h"
#include "Unicode.h"
#include "resource.h"

namespace Pruvo {

void RestrictDllSearch() {
    // The program is typically run from a downloads or installer folder: DLLs loaded from now on
    // (by the system on the program's behalf too) come from the system folder only.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

std::wstring RunProfilePath() {
    return Widen(ProfilePath(Narrow(CurrentDirectory()), ProgramPath()));
}

int CheckerApp::Run() {
    InitListViewControls();
    InitShellCom();
    CheckerDialog dialog(*this);
    const INT_PTR result = dialog.RunModal(m_instance, IDD_CHECKER, nullptr);
    if (result == IDOK && m_allInstalled) {
        RunExecuteLink(m_profile);
    }
    return 0;
}

void RunExecuteLink(const Profile& profile) {
    const ExecuteLink link = ParseExecuteLink(profile.ReadString(kPruvoSection, kExecuteLinkKey, ""));
    if (link.copyFirst) {
        // Whether the copy worked is not checked: the target is opened all the same.
        CopyFileW(Widen(link.source).c_str(), Widen(link.target).c_str(), FALSE);
    }
    // Nothing is named: asking the shell to open an empty name could only fail or open a folder.
    if (!link.target.empty()) {
        ShellOpen(GetDesktopWindow(), Widen(link.target), SW_SHOWNORMAL);
    }
}

}  // namespace Pruvo
