#pragma once
// A thread that does slow work (watching or listing a folder) away from the window's thread,
// and that its owner can always leave without blocking for long: Stop() signals the stop
// event, waits up to a time-out and, when the work does not end in time (a network folder
// that does not answer), lets it finish alone. The work then touches only what it owns or
// shares through a shared_ptr, never its owner.
#include <windows.h>

#include <functional>
#include <memory>

#include "base/core/UniqueHandles_win.h"

class WorkerThread {
public:
    // The work gets the stop event, signalled when the owner stops it.
    using Work = std::function<void(HANDLE stopEvent)>;
    static constexpr DWORD kStopTimeoutMs = 2000;

    WorkerThread() = default;
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;
    ~WorkerThread() { Stop(); }

    // Stops any earlier work first. False when no thread could be made.
    bool Start(Work work);
    // Asks the work to end and waits for it at most timeoutMs (0: does not wait).
    void Stop(DWORD timeoutMs = kStopTimeoutMs);
    bool Running() const { return static_cast<bool>(m_thread); }

private:
    struct Shared {
        UniqueHandle stopEvent;
        Work work;
    };
    static DWORD WINAPI Run(void* parameter);

    UniqueHandle m_thread;
    UniqueHandle m_stopEvent;  // a second handle to the work's stop event
};
