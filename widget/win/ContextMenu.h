#pragma once
// The photo's context menu: every command of the running widget.
#include <windows.h>

#include <cstdint>

enum class MenuCommand { None, Open, Quit, Borderless, Option, Help, About };

// What the menu leaves to the widget: the frame item's caption and the chosen command.
class ContextMenuHost {
public:
    // CurrentBorder: 0 while the borderless window is current.
    virtual int16_t MenuBorder() const = 0;
    // Runs the chosen command while the menu holder still exists; holder owns the help viewer
    // and the open-file dialog.
    virtual void RunMenuCommand(MenuCommand command, HWND holder) = 0;

protected:
    ~ContextMenuHost() = default;
};

// For the right button alone (code 2) pops up the menu at the mouse, owned by a hidden holder
// window (PimmoSettingForm) that lives until the chosen command has run; any other button code
// does nothing. The host keeps the photo windows from taking input while a command runs.
void ShowContextMenu(HINSTANCE instance, int16_t button, ContextMenuHost& host);
// The same menu asked for from the keyboard (Shift+F10, the menu key), at a screen point.
void ShowContextMenuAt(HINSTANCE instance, POINT at, ContextMenuHost& host);
