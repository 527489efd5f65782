#include "tests/e2e/support/PruvoDriver.h"

#include <commctrl.h>

#include <stdexcept>

namespace e2e::pruvo {

std::wstring MarkerProgram() {
    return BinDir() + L"\\tests\\e2e\\marker_program.exe";
}

void PlaceMarkerProgram(const std::wstring& path) {
    if (!CopyFileW(MarkerProgram().c_str(), path.c_str(), FALSE)) {
        throw std::runtime_error("cannot copy the marker program");
    }
}

void PlaceMarkerDll(const std::wstring& path) {
    std::string image = ReadFileBytes(MarkerProgram());
    if (image.size() < 0x40) {
        throw std::runtime_error("the marker program is missing");
    }
    const auto headerOffset = *reinterpret_cast<const LONG*>(image.data() + offsetof(IMAGE_DOS_HEADER, e_lfanew));
    auto* fileHeader = reinterpret_cast<IMAGE_FILE_HEADER*>(image.data() + headerOffset + sizeof(DWORD));
    fileHeader->Characteristics |= IMAGE_FILE_DLL;
    WriteFileBytes(path, image);
}

void WriteAnsiProfile(const std::wstring& path, const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) {
        text += line + L"\r\n";
    }
    const int size =
        WideCharToMultiByte(932, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(932, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    WriteFileBytes(path, bytes);
}

CheckerRun::CheckerRun() {
    if (!CopyFileW((BinDir() + L"\\checker\\pruvo.exe").c_str(), Exe().c_str(), FALSE)) {
        throw std::runtime_error("cannot copy pruvo.exe");
    }
}

void CheckerRun::PlaceHelpFile() const {
    if (!CopyFileW((BinDir() + L"\\checker\\pruvo.hlp").c_str(), programFolder.File(L"pruvo.hlp").c_str(), FALSE)) {
        throw std::runtime_error("cannot copy pruvo.hlp");
    }
}

HWND WaitForMainDialog(DWORD pid) {
    return WaitForWindow(
        pid, [](HWND window) { return ClassName(window) == L"#32770" && GetDlgItem(window, kList1) != nullptr; });
}

HWND WaitForDialogCaption(DWORD pid, const std::wstring& caption) {
    return WaitForWindow(pid,
                         [&](HWND window) { return ClassName(window) == L"#32770" && WindowText(window) == caption; });
}

bool IsShown(HWND control) {
    return control != nullptr && (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool SelectListRow(HWND list, int row) {
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process == nullptr) {
        return false;
    }
    // The list view reads the item from the program's own memory.
    void* remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMW), MEM_COMMIT, PAGE_READWRITE);
    bool done = false;
    if (remote != nullptr) {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        done = WriteProcessMemory(process, remote, &item, sizeof item, nullptr) &&
               SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return done;
}

std::vector<int> ColumnWidths(HWND list, int columns) {
    std::vector<int> widths;
    for (int column = 0; column < columns; ++column) {
        widths.push_back(static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)));
    }
    return widths;
}

std::vector<std::wstring> ColumnTitles(HWND list, int columns) {
    std::vector<std::wstring> titles;
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process == nullptr) {
        return titles;
    }
    // The list view writes the title into the program's own memory.
    constexpr int kChars = 256;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(LVCOLUMNW) + kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    for (int column = 0; remote != nullptr && column < columns; ++column) {
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT;
        info.cchTextMax = kChars;
        info.pszText = reinterpret_cast<LPWSTR>(remote + sizeof(LVCOLUMNW));
        WriteProcessMemory(process, remote, &info, sizeof info, nullptr);
        wchar_t text[kChars] = {};
        if (SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(remote))) {
            ReadProcessMemory(process, remote + sizeof(LVCOLUMNW), text, sizeof text - sizeof(wchar_t), nullptr);
        }
        titles.emplace_back(text);
    }
    if (remote != nullptr) {
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return titles;
}

int ClientWidth(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client.right - client.left;
}

RECT ClientRectOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace e2e::pruvo
