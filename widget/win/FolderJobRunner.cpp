#include "widget/win/FolderJobRunner.h"

#include <utility>

#include "widget/win/PhotoFolderJobFiles.h"

void FolderJobRunner::Slot::Put(Result done) {
    std::lock_guard<std::mutex> hold(lock);
    if (abandoned)
        DropJobPicture(picturePath);
    else
        result = std::move(done);
}

std::optional<FolderJobRunner::Result> FolderJobRunner::Slot::Take() {
    std::lock_guard<std::mutex> hold(lock);
    return std::exchange(result, std::nullopt);
}

void FolderJobRunner::Slot::Abandon() {
    std::lock_guard<std::mutex> hold(lock);
    abandoned = true;
    if (result)
        DropJobPicture(picturePath);
    result.reset();
}

FolderJobRunner::~FolderJobRunner() {
    Stop();
    if (m_slot)
        m_slot->Abandon();
}

void FolderJobRunner::Stop() {
    if (m_stop)
        m_stop->store(true, std::memory_order_relaxed);
    m_thread.Stop(0);  // it stops at its next file; its report comes all the same
}

bool FolderJobRunner::Start(FolderJobRequest request,
                            PhotoLoadRequest load,
                            const std::string& cachePath,
                            HWND window,
                            UINT message) {
    Stop();
    if (m_slot)
        m_slot->Abandon();
    m_slot = std::make_shared<Slot>();
    m_slot->picturePath = FolderJobPicturePath(cachePath, GetCurrentProcessId(), ++m_number);
    load.cachePath = m_slot->picturePath;
    m_stop = std::make_shared<std::atomic<bool>>(false);
    const auto work = [slot = m_slot, stop = m_stop, request = std::move(request), load = std::move(load),
                       job = m_number, window, message](HANDLE) {
        PhotoFolderJobFiles files(load);
        FolderJobResult result = RunFolderJob(
            request, [&stop] { return stop->load(std::memory_order_relaxed); }, files);
        slot->Put({std::move(result), std::move(files.Picture())});
        LeaveJobThread();
        PostMessageW(window, message, request.generation, job);
    };
    return m_thread.Start(work);
}

std::optional<FolderJobRunner::Result> FolderJobRunner::Take(uint32_t job) {
    if (job != m_number || !m_slot)
        return std::nullopt;  // a newer job gave its slot up already
    return m_slot->Take();
}

void FolderJobRunner::Abandon(uint32_t job) {
    if (job == m_number && m_slot)
        m_slot->Abandon();
}

const std::string& FolderJobRunner::PicturePath() const {
    return m_slot->picturePath;
}
