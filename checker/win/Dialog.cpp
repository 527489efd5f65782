#include "Dialog.h"

namespace pruvo {

INT_PTR Dialog::RunModal(HINSTANCE instance, int templateId, HWND owner) {
    m_instance = instance;
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, Procedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->m_window = window;
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr) {
        return FALSE;
    }
    // No exception may unwind through the system's dialog manager.
    try {
        return dialog->HandleMessage(message, wParam, lParam);
    } catch (...) {
        EndDialog(window, -1);
        return TRUE;
    }
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam)) ? TRUE : FALSE;
        default:
            return FALSE;
    }
}

}  // namespace pruvo
