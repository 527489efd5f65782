#pragma once
// What opens over the widget: its dialogs, its menu and the message boxes it tells. While one
// is open the folder waits (no photo is taken meanwhile); the windows unloaded inside one end
// the widget once the last has closed (ModalDepth); after the unload no message box comes up
// (the session may be ending).
#include <optional>
#include <string>

#include "common/core/UnsavedChange.h"
#include "widget/core/ModalDepth.h"
#include "widget/core/WidgetActions.h"

class ModalTeller {
public:
    explicit ModalTeller(WidgetActions& actions) : m_actions(actions) {}

    // A dialog, a menu or a message box opens or closes.
    void Opened();
    void Closed();
    // A message box: what could not be saved, or an anniversary (nothing for an empty text).
    void Tell(std::optional<UnsavedChange> what);
    void Announce(const std::string& text);
    // The windows were unloaded; true when they go now (nothing is open).
    bool Unload() { return m_depth.Unload(); }
    // The windows were unloaded: saved, unlocked, ending.
    bool Ended() const { return m_depth.Unloaded(); }

private:
    WidgetActions& m_actions;
    ModalDepth m_depth;
};
