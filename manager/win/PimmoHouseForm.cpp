#include "manager/win/PimmoHouseForm.h"

#include "base/core/Unicode.h"
#include "base/win/AccessibleName.h"
#include "base/win/HelpRelatedLibrary.h"
#include "base/win/MessageBox.h"
#include "manager/core/HouseMessages.h"
#include "manager/core/HouseNames.h"
#include "manager/core/HouseTexts.h"
#include "manager/core/SettingCaption.h"
#include "manager/core/SettingListEdits.h"
#include "manager/win/HouseResource.h"

namespace PimmoHouseModule {

void PimmoHouseForm::Run(HINSTANCE instance) {
    RunModal(instance, IDD_PimmoHouseForm, nullptr);
}

BOOL PimmoHouseForm::OnInitDialog() {
    for (const std::string& caption : SettingCaptions(m_profileFile, m_list))
        AddLine(caption);
    NameControl(Item(IDC_SettingListBox), [] { return Widen(Text(HouseText::SettingListName)); });
    return TRUE;  // the focus goes to the first control of the tab order, the list
}

bool PimmoHouseForm::OnCommand(int id, int code) {
    if (code != BN_CLICKED)
        return false;
    switch (id) {
        case IDC_CommandOK:
            End(IDOK);
            return true;
        case IDC_CommandAdd:
            CommandAdd_Click();
            return true;
        case IDC_CommandDelete:
            CommandDelete_Click();
            return true;
        case IDC_CommandSetting:
            CommandSetting_Click();
            return true;
        case IDC_CommandHelp:
            CommandHelp_Click();
            return true;
        default:
            return false;  // Esc: the window has no cancel; OK is the way out
    }
}

INT_PTR PimmoHouseForm::OnOtherMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_CLOSE:
            // Closed by the system rather than by OK: the window goes, and nothing is written.
            End(IDCANCEL);
            return TRUE;
        case WM_VKEYTOITEM:
            return OnListKey(LOWORD(wParam));
        case WM_HELP:  // F1
            CommandHelp_Click();
            return TRUE;
        default:
            return FALSE;
    }
}

// Keys on the list: Delete runs 削除 and Insert 追加 (-2: done); any other key is the list's (-1).
INT_PTR PimmoHouseForm::OnListKey(WORD key) {
    switch (key) {
        case VK_DELETE:
            CommandDelete_Click();
            return -2;
        case VK_INSERT:
            CommandAdd_Click();
            return -2;
        default:
            return -1;
    }
}

void PimmoHouseForm::CommandAdd_Click() {
    const auto number = NewSettingNumber(m_profileFile, m_list);
    if (!number) {
        ShowMessage(Handle(), NoMoreSettingsMessage());
        return;
    }
    m_owner.RunWidgetAndWait(Handle(), WidgetSwitch::Edit, *number);
    // Listed only when the widget saved the setting; a cancelled wizard leaves no empty line.
    const ListEdit edit = CompleteAdd(m_profileFile, m_list, *number);
    if (edit.changed)
        AddLine(edit.line);
    if (edit.notSaved)
        m_owner.TellNotSaved(Handle(), UnsavedChange::SettingList);
}

void PimmoHouseForm::CommandDelete_Click() {
    const int line = SelectedLine();
    if (line < 0) {
        ShowMessage(Handle(), SelectLineToDeleteMessage());
        return;
    }
    const int16_t number = m_list.numbers[static_cast<size_t>(line)];
    if (IsSettingRunning(m_profileFile, number)) {
        ShowMessage(Handle(), DeleteRunningSettingMessage());
        return;
    }
    if (ShowMessage(Handle(), ConfirmDeleteMessage()) != MessageAnswer::Yes)
        return;
    m_owner.RunWidgetAndWait(Handle(), WidgetSwitch::Delete, number);
    // A widget that refused (its setting was started meanwhile) leaves the setting and its line.
    const ListEdit edit = CompleteDelete(m_profileFile, m_list, static_cast<size_t>(line));
    if (edit.changed)
        SendDlgItemMessageW(Handle(), IDC_SettingListBox, LB_DELETESTRING, static_cast<WPARAM>(line), 0);
    if (edit.notSaved)
        m_owner.TellNotSaved(Handle(), UnsavedChange::SettingList);
}

void PimmoHouseForm::CommandSetting_Click() {
    const int line = SelectedLine();
    if (line < 0) {
        ShowMessage(Handle(), SelectLineToChangeMessage());
        return;
    }
    const int16_t number = m_list.numbers[static_cast<size_t>(line)];
    if (IsSettingRunning(m_profileFile, number)) {
        ShowMessage(Handle(), ChangeRunningSettingMessage());
        return;
    }
    m_owner.RunWidgetAndWait(Handle(), WidgetSwitch::Edit, number);
    ReplaceLine(line, SettingCaption(m_profileFile, number));
}

void PimmoHouseForm::CommandHelp_Click() {
    HelpRelatedLibrary::ShowHelpTopic(Instance(), Handle(), kHelpFile, kHelpTopic);
}

int PimmoHouseForm::SelectedLine() const {
    const LRESULT line = SendDlgItemMessageW(Handle(), IDC_SettingListBox, LB_GETCURSEL, 0, 0);
    // The list and the list box hold the same lines; anything else is no usable selection.
    if (line == LB_ERR || line < 0 || static_cast<size_t>(line) >= m_list.numbers.size())
        return -1;
    return static_cast<int>(line);
}

void PimmoHouseForm::AddLine(const std::string& text) const {
    SendDlgItemMessageW(Handle(), IDC_SettingListBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void PimmoHouseForm::ReplaceLine(int line, const std::string& text) const {
    HWND listBox = Item(IDC_SettingListBox);
    SendMessageW(listBox, LB_DELETESTRING, static_cast<WPARAM>(line), 0);
    SendMessageW(listBox, LB_INSERTSTRING, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(Widen(text).c_str()));
    SendMessageW(listBox, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
}

}  // namespace PimmoHouseModule
