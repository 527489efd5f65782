#include "widget/win/WorkerThread.h"

#include <utility>

bool WorkerThread::Start(Work work) {
    Stop();
    auto shared = std::make_unique<Shared>();
    shared->stopEvent.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE copy = nullptr;
    if (!shared->stopEvent || !DuplicateHandle(GetCurrentProcess(), shared->stopEvent.Get(), GetCurrentProcess(), &copy,
                                               0, FALSE, DUPLICATE_SAME_ACCESS))
        return false;
    m_stopEvent.Reset(copy);
    shared->work = std::move(work);
    // The thread owns what it runs on: it outlives its owner when it is left behind.
    m_thread.Reset(CreateThread(nullptr, 0, &WorkerThread::Run, shared.get(), 0, nullptr));
    if (!m_thread) {
        m_stopEvent.Reset();
        return false;
    }
    shared.release();
    return true;
}

void WorkerThread::Stop(DWORD timeoutMs) {
    if (!m_thread)
        return;
    SetEvent(m_stopEvent.Get());
    WaitForSingleObject(m_thread.Get(), timeoutMs);
    // Closing the handle of a thread that still runs detaches it; it ends on its own.
    m_thread.Reset();
    m_stopEvent.Reset();
}

DWORD WINAPI WorkerThread::Run(void* parameter) {
    std::unique_ptr<Shared> shared(static_cast<Shared*>(parameter));
    // No exception leaves a thread's entry: a failed piece of work just ends.
    try {
        shared->work(shared->stopEvent.Get());
    } catch (...) {
    }
    return 0;
}
