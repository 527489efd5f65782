#include "tests/e2e/support/PhotoDriver.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>

namespace photo_e2e {

namespace {

std::string Format(const SYSTEMTIME& time) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", time.wYear, time.wMonth, time.wDay);
    return text;
}

std::string ToCodePage(const std::string& utf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    int m = WideCharToMultiByte(CP_ACP, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(m), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), n, ansi.data(), m, nullptr, nullptr);
    return ansi;
}

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

}  // namespace

std::string DaysAgo(int days) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    now.wHour = 12, now.wMinute = 0, now.wSecond = 0, now.wMilliseconds = 0;
    FILETIME file;
    SystemTimeToFileTime(&now, &file);
    ULARGE_INTEGER value{{file.dwLowDateTime, file.dwHighDateTime}};
    value.QuadPart -= static_cast<ULONGLONG>(days) * 24 * 3600 * 10000000ULL;
    file = {value.LowPart, value.HighPart};
    FileTimeToSystemTime(&file, &now);
    return Format(now);
}

std::string YearsAgo(int years) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    if (now.wMonth == 2 && now.wDay == 29)
        return {};
    now.wYear = static_cast<WORD>(now.wYear - years);
    return Format(now);
}

void WriteSection(const std::wstring& profile, const std::string& section, const SettingValues& values) {
    std::string text = "[" + section + "]\r\n";
    for (const auto& [key, value] : values)
        text += key + "=" + value + "\r\n";
    e2e::WriteFileBytes(profile, ToCodePage(text));
}

RECT OuterRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT InnerRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE Size(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

HWND PhotoControl(HWND window) {
    return FindWindowExW(window, nullptr, kPhoto, nullptr);
}

HWND WaitForPhotoWindow(DWORD pid, DWORD timeoutMs) {
    return e2e::WaitForWindow(
        pid, [](HWND window) { return e2e::ClassName(window) == kBorderless || e2e::ClassName(window) == kBordered; },
        timeoutMs);
}

bool DropFiles(HWND photo, const std::vector<std::wstring>& files) {
    std::wstring list;
    for (const std::wstring& file : files)
        list += file + L'\0';
    list += L'\0';
    std::string block(sizeof(DROPFILES) + list.size() * sizeof(wchar_t), '\0');
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    memcpy(block.data(), &header, sizeof header);
    memcpy(block.data() + sizeof header, list.data(), list.size() * sizeof(wchar_t));

    DWORD pid = 0;
    GetWindowThreadProcessId(photo, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    if (!process)
        return false;
    // A fixed block of the program's memory serves as the drop handle, as GlobalAlloc's fixed
    // blocks do. It stays with the program (which ends with the test).
    void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT, PAGE_READWRITE);
    bool written = remote && WriteProcessMemory(process, remote, block.data(), block.size(), nullptr);
    CloseHandle(process);
    return written && PostMessageW(photo, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

bool EndSession(HWND window) {
    DWORD_PTR agreed = 0;
    if (!SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &agreed) || !agreed)
        return false;
    return SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, nullptr) != 0;
}

void DragBy(HWND photo, int dx, int dy) {
    RECT rect = InnerRect(photo);
    POINT start{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    SetCursorPos(start.x, start.y);
    Sleep(100);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Sleep(200);
    for (int step = 1; step <= 5; ++step) {
        SetCursorPos(start.x + dx * step / 5, start.y + dy * step / 5);
        SendMouse(MOUSEEVENTF_MOVE);
        Sleep(50);
    }
    SendMouse(MOUSEEVENTF_LEFTUP);
    Sleep(200);
}

int TwipsPerPixel() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return 1440 / (dpi > 0 ? dpi : 96);
}

}  // namespace photo_e2e
