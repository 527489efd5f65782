#include "tests/e2e/support/HouseDriver.h"

#include <algorithm>

#include "tests/e2e/support/PhotoDriver.h"

namespace house_e2e {
namespace {

std::string SectionText(const TestSetting& setting, const std::string& picture) {
    photo_e2e::SettingValues values = {
        {"LockSetting", setting.lock}, {"WindowPosition", "0"},
        {"PictureFile", picture},      {"LastWindowTop", "1500"},
        {"LastWindowLeft", "3000"},    {"LastWindowBorder", "1"},
        {"PimmoName", setting.name},   {"PimmoBirthDay", photo_e2e::DaysAgo(100)},
        {"IsStretched", "0"},          {"PictureSize", "160"},
        {"StretchMode", "2"},          {"IsStretchBmpCashed", "0"},
    };
    const size_t equals = setting.extra.find('=');
    for (auto& [key, value] : values)
        if (equals != std::string::npos && key == setting.extra.substr(0, equals))
            value = setting.extra.substr(equals + 1);
    std::string text = "[Pimmo" + (setting.number == 0 ? std::string() : std::to_string(setting.number)) + "]\r\n";
    for (const auto& [key, value] : values)
        text += key + "=" + value + "\r\n";
    return text;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());  // the test folders' paths are ASCII
}

std::wstring ProcessImage(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return {};
    wchar_t path[MAX_PATH];
    DWORD size = MAX_PATH;
    std::wstring image = QueryFullProcessImageNameW(process, 0, path, &size) ? std::wstring(path, size) : L"";
    CloseHandle(process);
    return image;
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM found) {
    if (IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

// Visible top-level windows of the class kinds whose process runs folder's pimmo.exe.
std::vector<HWND> WidgetWindows(const std::wstring& folder, const std::vector<std::wstring>& kinds) {
    std::vector<HWND> windows;
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
    const std::wstring widget = folder + L"\\pimmo.exe";
    std::vector<HWND> found;
    for (HWND window : windows) {
        if (std::find(kinds.begin(), kinds.end(), e2e::ClassName(window)) == kinds.end())
            continue;
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        const std::wstring image = ProcessImage(pid);
        if (_wcsicmp(image.c_str(), widget.c_str()) == 0)
            found.push_back(window);
    }
    return found;
}

}  // namespace

void WriteHouseProfile(const std::wstring& profile,
                       const std::wstring& picture,
                       const std::vector<TestSetting>& settings,
                       const std::vector<int>& listed) {
    std::string text;
    for (const TestSetting& setting : settings)
        text += SectionText(setting, Narrow(picture));
    text += "[PimmoHouse]\r\nNumbersOfSettings=" + std::to_string(listed.size()) + "\r\n";
    for (size_t i = 0; i < listed.size(); ++i)
        text += "Setting" + std::to_string(i + 1) + "=" + std::to_string(listed[i]) + "\r\n";
    e2e::WriteFileBytes(profile, text);
}

std::wstring ExpectedCaption(const std::string& name) {
    const std::string date = photo_e2e::DaysAgo(100);  // yyyy/MM/dd
    const std::wstring wide(date.begin(), date.end());
    return std::wstring(name.begin(), name.end()) + L" (" + wide.substr(0, 4) + L"年" + wide.substr(5, 2) + L"月" +
           wide.substr(8, 2) + L"日生まれ)";
}

HWND WaitForManagerWindow(DWORD pid, DWORD timeoutMs) {
    return e2e::WaitForWindow(
        pid,
        [](HWND window) {
            return e2e::WindowText(window) == kHouseTitle && GetDlgItem(window, kSettingListBox) != nullptr;
        },
        timeoutMs);
}

std::vector<std::wstring> ListLines(HWND form) {
    HWND listBox = GetDlgItem(form, kSettingListBox);
    std::vector<std::wstring> lines;
    const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // The manager may be refilling the list meanwhile: a line gone since the count ends the read.
        const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
        if (length == LB_ERR)
            break;
        std::wstring line(static_cast<size_t>(length) + 1, L'\0');
        const LRESULT read = SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
        if (read == LB_ERR)
            break;
        line.resize(static_cast<size_t>(read));
        lines.push_back(line);
    }
    return lines;
}

std::vector<DWORD> WidgetProcessesShowingPhotos(const std::wstring& folder) {
    std::vector<DWORD> pids;
    for (HWND window : WidgetWindows(folder, {photo_e2e::kBordered, photo_e2e::kBorderless})) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (std::find(pids.begin(), pids.end(), pid) == pids.end())
            pids.push_back(pid);
    }
    return pids;
}

std::vector<HWND> WidgetDialogs(const std::wstring& folder) {
    return WidgetWindows(folder, {L"#32770"});
}

void EndWidgets(const std::vector<DWORD>& pids) {
    for (DWORD pid : pids) {
        for (HWND window : e2e::TopLevelWindows(pid))
            PostMessageW(window, WM_CLOSE, 0, 0);
        HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
        if (!process)
            continue;
        if (WaitForSingleObject(process, e2e::kExitTimeoutMs) != WAIT_OBJECT_0)
            TerminateProcess(process, 1);
        CloseHandle(process);
    }
}

}  // namespace house_e2e
