#include "widget/win/OptionControls.h"

#include "base/core/Unicode.h"

namespace {

void FillEntries(HWND combo, const std::vector<std::string>& entries) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
}

}  // namespace

void ShowList(HWND list, const ListControl& values) {
    FillEntries(list, values.entries);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(values.selected), 0);
    EnableWindow(list, values.enabled);
}

void ShowCombo(HWND combo, const ComboControl& values) {
    FillEntries(combo, values.entries);
    SetWindowTextW(combo, Widen(values.text).c_str());
    EnableWindow(combo, values.enabled);
}

int SelectedEntry(HWND list) {
    LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

void ShowCheck(HWND box, CheckState state) {
    WPARAM check = state == CheckState::Checked  ? BST_CHECKED
                   : state == CheckState::Grayed ? BST_INDETERMINATE
                                                 : BST_UNCHECKED;
    SendMessageW(box, BM_SETCHECK, check, 0);
}

CheckState ReadCheck(HWND box) {
    switch (SendMessageW(box, BM_GETCHECK, 0, 0)) {
        case BST_CHECKED:
            return CheckState::Checked;
        case BST_INDETERMINATE:
            return CheckState::Grayed;
        default:
            return CheckState::Unchecked;
    }
}

CheckState NextCheckState(CheckState state) {
    return state == CheckState::Checked ? CheckState::Unchecked : CheckState::Checked;
}
