#include <windows.h>
#include <commctrl.h>

#include "tests/e2e/support/E2e.h"

namespace e2e {

namespace {

struct WindowSearch {
    DWORD pid;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->pid && (!search->visibleOnly || IsWindowVisible(window)))
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

bool IsIconStatic(HWND control) {
    return ClassName(control) == L"Static" && (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

// The pixels of a rectangle of the screen, as 32-bit rows.
std::string CapturePixels(HDC source, int x, int y, int width, int height) {
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER header{sizeof header, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::string bits(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, '\0');
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), bits.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return bits;
}

// How a system icon looks when drawn on a dialog's background.
std::string DrawnIconPixels(LPCWSTR id, int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, width, height};
    FillRect(memory, &all, GetSysColorBrush(COLOR_3DFACE));
    DrawIconEx(memory, 0, 0, LoadIconW(nullptr, id), 0, 0, 0, nullptr, DI_NORMAL);
    std::string pixels = CapturePixels(memory, 0, 0, width, height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Icon handles belong to their process, so the shown icon is recognised by its pixels on
// the screen.
MessageIcon ShownIconKind(HWND iconControl) {
    RECT rect{};
    GetWindowRect(iconControl, &rect);
    int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
    HDC screen = GetDC(nullptr);
    const std::string shown = CapturePixels(screen, rect.left, rect.top, width, height);
    ReleaseDC(nullptr, screen);
    const struct {
        LPCWSTR id;
        MessageIcon kind;
    } kIcons[] = {{IDI_EXCLAMATION, MessageIcon::Exclamation},
                  {IDI_ASTERISK, MessageIcon::Information},
                  {IDI_QUESTION, MessageIcon::Question},
                  {IDI_HAND, MessageIcon::Error}};
    for (const auto& known : kIcons)
        if (DrawnIconPixels(known.id, width, height) == shown)
            return known.kind;
    return MessageIcon::Unknown;
}

MessageIcon IconKind(HWND iconControl) {
    if (!IsWindowVisible(iconControl) || !SendMessageW(iconControl, STM_GETICON, 0, 0))
        return MessageIcon::None;
    MessageIcon kind = MessageIcon::Unknown;
    // A box that has just appeared may not be painted yet.
    WaitUntil([&] { return (kind = ShownIconKind(iconControl)) != MessageIcon::Unknown; }, 3000);
    return kind;
}

std::optional<MessageBoxView> ReadMessageBox(HWND window) {
    if (ClassName(window) != L"#32770")
        return std::nullopt;
    MessageBoxView view;
    view.window = window;
    view.caption = WindowText(window);
    bool hasTextControl = false;
    for (HWND child : ChildWindows(window)) {
        std::wstring kind = ClassName(child);
        if (kind == L"Button") {
            if (IsWindowVisible(child))
                view.buttons.push_back(WindowText(child));
        } else if (IsIconStatic(child)) {
            view.icon = IconKind(child);
        } else if (kind == L"Static" && GetDlgCtrlID(child) == 0xFFFF) {
            view.text = WindowText(child);
            hasTextControl = true;
        } else {
            return std::nullopt;  // a dialog with other controls is no message box
        }
    }
    if (!hasTextControl)
        return std::nullopt;
    return view;
}

}  // namespace

std::wstring WindowText(HWND window) {
    // WM_GETTEXT reads another process's control text too (GetWindowText would not); a help
    // topic runs to several thousand characters.
    std::wstring text(65536, L'\0');
    const bool answered = SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                                              SMTO_ABORTIFHUNG, 5000, nullptr) != 0;
    text.resize(answered ? wcslen(text.c_str()) : 0);
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256];
    int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

std::vector<HWND> TopLevelWindows(DWORD pid, bool visibleOnly) {
    WindowSearch search{pid, visibleOnly, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND WaitForWindow(DWORD pid, const std::function<bool(HWND)>& match, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(pid))
                if (match(window))
                    return (found = window) != nullptr;
            return false;
        },
        timeoutMs);
    return found;
}

HWND WaitForWindowClass(DWORD pid, const std::wstring& className, DWORD timeoutMs) {
    return WaitForWindow(
        pid, [&](HWND window) { return ClassName(window) == className; }, timeoutMs);
}

std::optional<MessageBoxView> WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
    std::optional<MessageBoxView> view;
    WaitForWindow(
        pid, [&](HWND window) { return (view = ReadMessageBox(window)).has_value(); }, timeoutMs);
    return view;
}

HWND ControlById(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

bool PressButtonId(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (!button)
        return false;
    return PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button)) != 0;
}

bool PressButton(HWND dialog, const std::wstring& buttonText) {
    for (HWND child : ChildWindows(dialog))
        if (ClassName(child) == L"Button" && WindowText(child) == buttonText)
            return PressButtonId(dialog, GetDlgCtrlID(child));
    return false;
}

bool WaitWindowGone(HWND window, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

std::vector<std::vector<std::wstring>> ListViewRows(HWND listView, int columns) {
    std::vector<std::vector<std::wstring>> rows;
    DWORD pid = 0;
    GetWindowThreadProcessId(listView, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process)
        return rows;
    // The list view writes the text into the program's own memory: lend it a block there.
    constexpr size_t kTextChars = 1024;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    auto count = static_cast<int>(SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; remote && row < count; ++row) {
        std::vector<std::wstring> texts;
        for (int column = 0; column < columns; ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.cchTextMax = kTextChars;
            item.pszText = reinterpret_cast<LPWSTR>(remote + sizeof(LVITEMW));
            WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
            SendMessageW(listView, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote));
            wchar_t text[kTextChars] = {};
            ReadProcessMemory(process, remote + sizeof(LVITEMW), text, sizeof text - sizeof(wchar_t), nullptr);
            texts.emplace_back(text);
        }
        rows.push_back(std::move(texts));
    }
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return rows;
}

}  // namespace e2e
