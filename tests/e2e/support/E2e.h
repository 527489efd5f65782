#pragma once
// The end-to-end driver: runs the real programs from a throwaway program folder and looks at
// them the way a user would, through their windows, message boxes and files.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace e2e {

inline constexpr DWORD kWindowTimeoutMs = 20000;
inline constexpr DWORD kExitTimeoutMs = 20000;

// The folder of the built programs (pimmo.exe, house.exe, pruvo.exe and the test tools).
std::wstring BinDir();

// A fresh empty folder under the temporary folder, removed with everything in it at the end.
using TempFolder = test_support::TempFolder;

// A temporary program folder holding copies of the real programs.
class ProgramFolder : public TempFolder {
public:
    ProgramFolder();
    std::wstring Exe(const std::wstring& name) const { return File(name); }
    // The per-user profile file the programs in this folder use.
    std::wstring ProfilePath() const;
};

// A started program, ended by its handle at the latest when this object goes.
class Process {
public:
    static Process Start(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workingDir = L"");
    Process(Process&& other) noexcept;
    Process& operator=(Process&&) = delete;
    ~Process();

    DWORD Pid() const { return m_pid; }
    HANDLE Handle() const { return m_process; }
    // The exit code, or nullopt when the program is still running after the time-out.
    std::optional<DWORD> WaitExit(DWORD timeoutMs = kExitTimeoutMs) const;
    bool IsRunning() const;
    void Kill();

private:
    Process(HANDLE process, DWORD pid) : m_process(process), m_pid(pid) {}
    HANDLE m_process = nullptr;
    DWORD m_pid = 0;
};

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
std::vector<HWND> TopLevelWindows(DWORD pid, bool visibleOnly = true);
std::vector<HWND> ChildWindows(HWND parent);
// Polls until a top-level window of the process matches; nullptr after the time-out.
HWND WaitForWindow(DWORD pid, const std::function<bool(HWND)>& match, DWORD timeoutMs = kWindowTimeoutMs);
HWND WaitForWindowClass(DWORD pid, const std::wstring& className, DWORD timeoutMs = kWindowTimeoutMs);

enum class MessageIcon { None, Exclamation, Information, Question, Error, Unknown };

struct MessageBoxView {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    std::vector<std::wstring> buttons;
    MessageIcon icon = MessageIcon::None;
};
// Waits for a visible dialog-class window of the process that is a message box.
std::optional<MessageBoxView> WaitForMessageBox(DWORD pid, DWORD timeoutMs = kWindowTimeoutMs);
// Presses the button with this text (posted, so a modal loop in the program never blocks us).
bool PressButton(HWND dialog, const std::wstring& buttonText);
bool PressButtonId(HWND dialog, int id);
HWND ControlById(HWND dialog, int id);
// Waits until the window is gone (destroyed or hidden).
bool WaitWindowGone(HWND window, DWORD timeoutMs = kWindowTimeoutMs);

// Rows of a report-style list view in another process, one vector of column texts each.
std::vector<std::vector<std::wstring>> ListViewRows(HWND listView, int columns);

// Polls a condition every 50 ms until it holds or the time-out passes.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kWindowTimeoutMs);

std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);
// A profile value as the platform reads it; fallback when the key is absent.
std::wstring ReadProfileString(const std::wstring& file,
                               const std::wstring& section,
                               const std::wstring& key,
                               const std::wstring& fallback = L"<absent>");

}  // namespace e2e
