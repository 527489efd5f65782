#pragma once
// How a widget process ends.
#include <windows.h>

enum class ExitCode : UINT {
    Done = 0,               // every regular end, the refusal of a served setting too
    BadCommandLine = 1,     // the setting number could not be read; no file was touched
    SettingUnusable = 2,    // the setting or the windows could not be used; the lock is released
    UnexpectedFailure = 3,  // an unexpected failure inside a window; the lock is released
};

// The immediate end: no window-closing handling runs.
[[noreturn]] inline void EndProgram(ExitCode code = ExitCode::Done) {
    ExitProcess(static_cast<UINT>(code));
}
