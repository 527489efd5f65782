#pragma once
// The end of the widget's session: the photo windows unloaded (closed, or the session ends)
// save with their place and let go of the lock, and the widget ends, at once or, inside one of
// its dialogs, menus or message boxes, when the last of them has closed.
#include <functional>

#include "base/core/ScopeExit.h"
#include "widget/core/ModalDepth.h"
#include "widget/win/PhotoFolderSource.h"
#include "widget/win/PhotoShow.h"
#include "widget/win/PhotoWindowPair.h"
#include "widget/win/SettingKeeper.h"

class SessionEnd final : public PhotoSessionEnd {
public:
    SessionEnd(SettingKeeper& keeper, PhotoWindowPair& pair, PhotoFolderSource& folder)
        : m_keeper(keeper), m_pair(pair), m_folder(folder) {}

    // The photo folder waits while a dialog is open (a dialog edits a copy of the record).
    ScopeExit<std::function<void()>> EnterModal() override;
    void OnPhotoUnload(bool sessionEnds) override;
    // The windows were unloaded: saved, unlocked, ending.
    bool Unloaded() const { return m_depth.Unloaded(); }

private:
    // Leaves a dialog or menu command; ends the widget when it was unloaded meanwhile.
    void EndModal();

    SettingKeeper& m_keeper;
    PhotoWindowPair& m_pair;
    PhotoFolderSource& m_folder;
    ModalDepth m_depth;
};
