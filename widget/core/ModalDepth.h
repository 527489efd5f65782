#pragma once
// How the widget ends when its windows are unloaded (closed, or the session ends) while one of
// its dialogs, menus or message boxes is open: the windows stay until the last of them has
// closed, and the widget ends then, without saving again.
class ModalDepth {
public:
    // A dialog, a menu command or a message box opens.
    void Enter() { ++m_depth; }
    // It closes; true when the widget is to end now (unloaded, and no other one is open).
    bool Leave();
    // The windows were unloaded; true when they go now (nothing modal is open).
    bool Unload();
    // The windows were unloaded: saved, unlocked, ending.
    bool Unloaded() const { return m_unloaded; }

private:
    int m_depth = 0;
    bool m_unloaded = false;
};
