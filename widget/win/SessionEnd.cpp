#include "widget/win/SessionEnd.h"

#include "widget/win/ProgramEnd.h"

ScopeExit<std::function<void()>> SessionEnd::EnterModal() {
    m_depth.Enter();
    m_folder.Pause();
    return ScopeExit<std::function<void()>>([this] { EndModal(); });
}

void SessionEnd::EndModal() {
    if (m_depth.Leave())
        EndProgram();
    m_folder.Resume();
}

// Inside a dialog of the widget the windows stay until the dialog has closed (the quit message
// closes it) and the widget ends then, without saving again (EndModal).
void SessionEnd::OnPhotoUnload(bool sessionEnds) {
    m_keeper.SaveAndRelease(m_pair.CurrentPhotoWindow(), !sessionEnds);
    const bool windowsGo = m_depth.Unload();
    PostQuitMessage(0);
    if (!windowsGo)
        return;
    m_keeper.SetWindowsPlaced(false);
    m_pair.DestroyWindows();
}
