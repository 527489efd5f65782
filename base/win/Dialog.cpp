#include "base/win/Dialog.h"

#include "base/core/Unicode.h"
#include "base/win/CallbackGuard.h"
#include "base/win/LanguageResource.h"

INT_PTR Dialog::RunModal(HINSTANCE instance, int templateId, HWND owner) {
    m_instance = instance;
    const LPARAM self = reinterpret_cast<LPARAM>(this);
    if (HRSRC found = FindLanguageResource(instance, RT_DIALOG, MAKEINTRESOURCEW(templateId)))
        if (const void* dialog = LockResource(LoadResource(instance, found)))
            return DialogBoxIndirectParamW(instance, static_cast<LPCDLGTEMPLATEW>(dialog), owner, Procedure, self);
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, Procedure, self);
}

INT_PTR Dialog::OnOtherMessage(UINT, WPARAM, LPARAM) {
    return FALSE;
}

std::string Dialog::ItemText(int id) const {
    HWND item = Item(id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void Dialog::SetItemText(int id, const std::string& text) const {
    SetDlgItemTextW(m_window, id, Widen(text).c_str());
}

void Dialog::ShowItem(int id, bool shown) const {
    ShowWindow(Item(id), shown ? SW_SHOW : SW_HIDE);
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->m_window = window;
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;
    return Guarded([&] { return dialog->HandleMessage(message, wParam, lParam); });
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        default:
            return OnOtherMessage(message, wParam, lParam);
    }
}
