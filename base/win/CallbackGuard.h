#pragma once
// No exception may unwind through a window, dialog or other system callback. Guarded runs a
// handler and turns an escaping exception into the program's unexpected-failure end.
#include <windows.h>

#include <functional>

// What the program does before it ends after an unexpected failure (release what it holds,
// tell the user), and the exit code it then ends with, one that no other outcome of the program
// uses. The handler runs at most once; an exception from it is ignored.
void SetUnexpectedFailureHandler(std::function<void()> handler, UINT exitCode);

// Runs the program's handler, then ends the process with the program's exit code (3 before the
// program set its own).
[[noreturn]] void EndAfterUnexpectedFailure() noexcept;

template <typename Handler>
auto Guarded(Handler handler) noexcept -> decltype(handler()) {
    try {
        return handler();
    } catch (...) {
        EndAfterUnexpectedFailure();
    }
}
