#include "tests/e2e/support/OptionsDriver.h"

namespace options_e2e {

namespace {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

HWND VisibleEdit(HWND dialog) {
    for (HWND child : e2e::ChildWindows(dialog))
        if (e2e::ClassName(child) == L"Edit" && IsWindowVisible(child))
            return child;
    return nullptr;
}

}  // namespace

HWND WaitForDialog(DWORD pid, const std::wstring& caption, DWORD timeoutMs) {
    return e2e::WaitForWindow(
        pid, [&](HWND window) { return e2e::ClassName(window) == L"#32770" && e2e::WindowText(window) == caption; },
        timeoutMs);
}

HWND WaitForOptionsDialog(DWORD pid, DWORD timeoutMs) {
    return WaitForDialog(pid, kOptionsCaption, timeoutMs);
}

void SetText(HWND control, const std::wstring& text) {
    Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SelectEntry(HWND dialog, int id, int index) {
    Send(GetDlgItem(dialog, id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int SelectedEntry(HWND dialog, int id) {
    return static_cast<int>(Send(GetDlgItem(dialog, id), CB_GETCURSEL, 0, 0));
}

int EntryCount(HWND dialog, int id) {
    return static_cast<int>(Send(GetDlgItem(dialog, id), CB_GETCOUNT, 0, 0));
}

std::wstring EntryText(HWND dialog, int id, int index) {
    wchar_t text[256] = {};
    Send(GetDlgItem(dialog, id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

bool IsChecked(HWND dialog, int id) {
    return Send(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsShown(HWND dialog, int id) {
    return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

bool IsEnabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

void RightClick(HWND photo) {
    PostMessageW(photo, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    PostMessageW(photo, WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
}

HWND WaitForMenu(DWORD pid, size_t count, DWORD timeoutMs) {
    HWND found = nullptr;
    e2e::WaitUntil(
        [&] {
            size_t seen = 0;
            for (HWND window : e2e::TopLevelWindows(pid))
                if (e2e::ClassName(window) == kMenuClass && ++seen == count)
                    found = window;
            return seen >= count;
        },
        timeoutMs);
    return found;
}

// The menu's loop reads every key message of its thread, whichever of its windows it is for.
void MenuKeys(HWND menu, std::initializer_list<UINT> keys) {
    for (UINT key : keys) {
        PostMessageW(menu, WM_KEYDOWN, key, 0);
        PostMessageW(menu, WM_KEYUP, key, 0xC0000000);
        Sleep(200);
    }
}

bool RunMenu(DWORD pid, HWND photo, std::initializer_list<UINT> keys) {
    RightClick(photo);
    HWND menu = WaitForMenu(pid);
    if (!menu)
        return false;
    // The menu opens under the pointer, and the pointer's move into it clears the item chosen so
    // far: posted keys go before it in the queue, so the move is let in first, and on a busy
    // machine the menu's loop is also waited for until it has nothing left to read.
    Sleep(300);
    if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid)) {
        WaitForInputIdle(process, 3000);
        CloseHandle(process);
    }
    MenuKeys(menu, keys);
    return true;
}

HWND WaitForOpenDialog(DWORD pid) {
    return WaitForDialog(pid, kOpenDialogTitle);
}

bool ChooseFile(DWORD pid, const std::wstring& path) {
    HWND dialog = WaitForOpenDialog(pid);
    HWND edit = dialog ? VisibleEdit(dialog) : nullptr;
    if (!edit)
        return false;
    SetText(edit, path);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return e2e::WaitWindowGone(dialog);
}

bool CancelOpenDialog(DWORD pid) {
    HWND dialog = WaitForOpenDialog(pid);
    if (!dialog)
        return false;
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return e2e::WaitWindowGone(dialog);
}

}  // namespace options_e2e
