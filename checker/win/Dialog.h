#pragma once
// One base for the checker's modal dialogs: DialogBoxParamW with the object in DWLP_USER.
#include <windows.h>

namespace pruvo {

class Dialog {
public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog of the template modally and returns the code it ended with (-1 when it
    // could not be created).
    INT_PTR RunModal(HINSTANCE instance, int templateId, HWND owner);

protected:
    Dialog() = default;
    virtual ~Dialog() = default;

    // Returns TRUE to let the system set the focus.
    virtual BOOL OnInitDialog() = 0;
    // Returns true when the command was handled.
    virtual bool OnCommand(int id) = 0;

    HWND Handle() const { return m_window; }
    HWND Item(int id) const { return GetDlgItem(m_window, id); }
    HINSTANCE Instance() const { return m_instance; }
    void End(INT_PTR result) { EndDialog(m_window, result); }

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    HINSTANCE m_instance = nullptr;
};

}  // namespace pruvo
