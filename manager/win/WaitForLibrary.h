#pragma once
// Starting another program of the installation, and waiting for it without freezing the window
// that started it.
#include <windows.h>

#include <string>

namespace WaitForLibrary {

// Starts the program file programPath (a full path: the current directory is never searched)
// with the whole commandLine (program name first, as the program will read it) and the window
// shown by showCommand (SW_SHOWNORMAL). Returns false when the program could not be started.
bool StartProgram(const std::string& programPath, const std::string& commandLine, int showCommand);

// Starts the program like StartProgram and returns when it has ended, however long it runs.
// Meanwhile inertWindow (may be null) is disabled but keeps painting and answering the system,
// since the wait dispatches the thread's messages; it is enabled again and brought to the
// front afterwards. Returns false, without waiting, when the program could not be started.
bool ShellAndWait(const std::string& programPath, const std::string& commandLine, int showCommand, HWND inertWindow);

}  // namespace WaitForLibrary
