#include "widget/core/ModalTeller.h"

void ModalTeller::Opened() {
    m_depth.Enter();
    m_actions.Folder(FolderStep::Pause);
}

// The windows were unloaded inside it: the widget ends now, without saving again.
void ModalTeller::Closed() {
    if (m_depth.Leave()) {
        m_actions.EndSession();
        return;
    }
    m_actions.Folder(FolderStep::Resume);
}

void ModalTeller::Tell(std::optional<UnsavedChange> what) {
    if (!what || m_depth.Unloaded())
        return;
    Opened();
    m_actions.TellNotSaved(*what);
    Closed();
}

void ModalTeller::Announce(const std::string& text) {
    if (text.empty() || m_depth.Unloaded())
        return;
    Opened();
    m_actions.Announce(text);
    Closed();
}
