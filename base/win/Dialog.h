#pragma once
// One base for the programs' modal dialogs: DialogBoxParamW with the object in DWLP_USER.
#include <windows.h>

#include <string>

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
    // Returns true when the command was handled; code is the control's notification.
    virtual bool OnCommand(int id, int code) = 0;
    // Messages besides WM_INITDIALOG and WM_COMMAND; FALSE leaves them to the dialog manager.
    virtual INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND Handle() const { return m_window; }
    HWND Item(int id) const { return GetDlgItem(m_window, id); }
    HINSTANCE Instance() const { return m_instance; }
    void End(INT_PTR result) { EndDialog(m_window, result); }

    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text) const;
    void ShowItem(int id, bool shown) const;

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    HINSTANCE m_instance = nullptr;
};
