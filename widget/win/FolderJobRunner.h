#pragma once
// The folder's jobs (a scan, then the chosen photo loaded and scaled), one at a time on a worker
// thread. A job leaves its result in a slot of its own and posts its number to the window; a
// newer job, or the runner's end, gives the older slot up. The workers are left to end alone:
// a network folder may not answer soon.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "widget/core/PhotoFolderJob.h"
#include "widget/win/PhotoLoader.h"
#include "widget/win/WorkerThread.h"

class FolderJobRunner {
public:
    struct Result {
        FolderJobResult job;
        PhotoLoadResult picture;
    };

    FolderJobRunner() = default;
    FolderJobRunner(const FolderJobRunner&) = delete;
    FolderJobRunner& operator=(const FolderJobRunner&) = delete;
    ~FolderJobRunner();

    // Stops the running job and gives its slot up, then starts the next one: its photo is
    // scaled into a file of its own beside the cache; once it ended, message goes to window
    // with the request's generation (wParam) and the job's number (lParam). False when no
    // thread could be made.
    bool Start(FolderJobRequest request,
               PhotoLoadRequest load,
               const std::string& cachePath,
               HWND window,
               UINT message);
    // Asks the running job to stop at its next file; its message comes all the same.
    void Stop();
    // The result of job, once; nullopt when a newer job gave its slot up, or it was taken.
    std::optional<Result> Take(uint32_t job);
    // The job's result is of no use (a folder left behind): its photo goes.
    void Abandon(uint32_t job);
    // The file of the last job's scaled photo.
    const std::string& PicturePath() const;

private:
    // Where a job leaves its result. A slot given up (a newer job, the widget's end) drops
    // its job's scaled photo, whichever of the two comes last.
    struct Slot {
        std::mutex lock;
        std::optional<Result> result;
        std::string picturePath;  // the job's own scaled photo
        bool abandoned = false;

        void Put(Result done);
        std::optional<Result> Take();
        void Abandon();
    };

    std::shared_ptr<Slot> m_slot;
    // Set beside the worker's stop event: the scan reads it for every file without a system call.
    std::shared_ptr<std::atomic<bool>> m_stop;
    uint32_t m_number = 0;
    WorkerThread m_thread;
};
