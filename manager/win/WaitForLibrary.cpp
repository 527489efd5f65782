#include "manager/win/WaitForLibrary.h"

#include <optional>

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"

namespace WaitForLibrary {
namespace {

// The started process; a null handle when it could not be started.
UniqueHandle Start(const std::string& programPath, const std::string& commandLine, int showCommand) {
    const std::wstring program = Widen(programPath);
    std::wstring line = Widen(commandLine);  // CreateProcessW may write into its command line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return UniqueHandle();
    UniqueProcessInformation started(info);
    return std::move(started.process);
}

// Dispatches what is queued. A WM_QUIT belongs to the caller's message loop: it is kept and
// posted again once the process has ended.
void DispatchQueued(std::optional<int>& quitCode) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitCode = static_cast<int>(message.wParam);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Waits for the process while the thread's windows keep painting and answering the system.
void WaitDispatching(HANDLE process) {
    std::optional<int> quitCode;
    // Any other result: the process ended, or there is nothing left to wait for.
    while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        DispatchQueued(quitCode);
    if (quitCode)
        PostQuitMessage(*quitCode);
}

}  // namespace

bool StartProgram(const std::string& programPath, const std::string& commandLine, int showCommand) {
    return static_cast<bool>(Start(programPath, commandLine, showCommand));
}

bool ShellAndWait(const std::string& programPath, const std::string& commandLine, int showCommand, HWND inertWindow) {
    // The process handle from the start itself: a process identifier could be reused by then.
    const UniqueHandle process = Start(programPath, commandLine, showCommand);
    if (!process)
        return false;
    // Disabled, the window takes no input that could start a second edit of the list.
    const bool wasEnabled = inertWindow && !EnableWindow(inertWindow, FALSE);
    WaitDispatching(process.Get());
    if (wasEnabled) {
        EnableWindow(inertWindow, TRUE);
        SetForegroundWindow(inertWindow);
    }
    return true;
}

}  // namespace WaitForLibrary
