#include "widget/win/ContextMenu.h"

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "base/win/Window.h"
#include "widget/core/MenuCaptions.h"
#include "widget/core/PimmoTexts.h"
#include "widget/win/PimmoResource.h"

namespace {

constexpr wchar_t kHolderClass[] = L"PimmoSettingForm";

// The never-shown window that the menu and the dialogs of its commands belong to.
class MenuHolder final : public Window {
public:
    // Not owned by the photo window: an owned window stays above its owner, and a holder
    // that is not top-most would pull an always-on-top photo down with it.
    bool Create(HINSTANCE instance) {
        if (!RegisterClassOnce(instance, WindowClass{kHolderClass}))
            return false;
        return CreateOf(instance, kHolderClass, WS_EX_TOOLWINDOW, L"", WS_POPUP, RECT{}, nullptr);
    }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        return DefaultHandling(message, wParam, lParam);
    }
};

void AppendItem(HMENU menu, UINT id, std::string_view caption) {
    AppendMenuW(menu, MF_STRING, id, Widen(caption).c_str());
}

void AppendSubmenu(HMENU menu, HMENU submenu, std::string_view caption) {
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), Widen(caption).c_str());
}

// mnuMain: ファイル (画像を開く, 終了), 設定 (the frame item, オプション), ヘルプ, バージョン情報.
UniqueMenu BuildMenu(int16_t currentBorder) {
    UniqueMenu main(CreatePopupMenu());
    HMENU file = CreatePopupMenu();
    AppendItem(file, IDM_mnuOpen, Text(PimmoText::MenuOpen));
    AppendItem(file, IDM_mnuQuit, Text(PimmoText::MenuQuit));
    HMENU settings = CreatePopupMenu();
    AppendItem(settings, IDM_mnuBorderless, BorderlessCaption(currentBorder));
    AppendItem(settings, IDM_mnuOption, Text(PimmoText::MenuOption));
    // The root owns its submenus from here on: DestroyMenu takes them along.
    AppendSubmenu(main.Get(), file, Text(PimmoText::MenuFile));
    AppendSubmenu(main.Get(), settings, Text(PimmoText::MenuSettings));
    AppendItem(main.Get(), IDM_mnuHelp, Text(PimmoText::MenuHelp));
    AppendItem(main.Get(), IDM_mnuAbout, Text(PimmoText::MenuAbout));
    return main;
}

MenuCommand CommandOf(UINT id) {
    switch (id) {
        case IDM_mnuOpen:
            return MenuCommand::Open;
        case IDM_mnuQuit:
            return MenuCommand::Quit;
        case IDM_mnuBorderless:
            return MenuCommand::Borderless;
        case IDM_mnuOption:
            return MenuCommand::Option;
        case IDM_mnuHelp:
            return MenuCommand::Help;
        case IDM_mnuAbout:
            return MenuCommand::About;
        default:
            return MenuCommand::None;
    }
}

MenuCommand TrackMenu(HMENU menu, HWND holder, POINT at) {
    // A pop-up menu closes on a click elsewhere only when its owner is the foreground window,
    // and the message posted afterwards lets the menu's own loop end cleanly (TrackPopupMenu).
    SetForegroundWindow(holder);
    UINT id = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, holder, nullptr));
    PostMessageW(holder, WM_NULL, 0, 0);
    return CommandOf(id);
}

}  // namespace

void ShowContextMenu(HINSTANCE instance, int16_t button, ContextMenuHost& host) {
    if (!OpensContextMenu(button))
        return;
    const DWORD position = GetMessagePos();
    ShowContextMenuAt(instance, {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))}, host);
}

void ShowContextMenuAt(HINSTANCE instance, POINT at, ContextMenuHost& host) {
    MenuHolder holder;
    if (!holder.Create(instance))
        return;
    UniqueMenu menu = BuildMenu(host.MenuBorder());
    MenuCommand command = TrackMenu(menu.Get(), holder.Handle(), at);
    if (command != MenuCommand::None)
        host.RunMenuCommand(command, holder.Handle());
    holder.Destroy();
}
