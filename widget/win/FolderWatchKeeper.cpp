#include "widget/win/FolderWatchKeeper.h"

#include <dbt.h>

#include <utility>

void FolderWatchKeeper::Follow(std::optional<WatchTarget> target) {
    m_cannotWatch = false;
    m_target = std::move(target);
    Start();
}

void FolderWatchKeeper::Retry() {
    if (!m_watch.Running() && !m_cannotWatch)
        Start();
}

void FolderWatchKeeper::Stop() {
    m_target.reset();
    m_watch.Stop();
}

void FolderWatchKeeper::Ended(FolderChange change) {
    m_cannotWatch = change == FolderChange::CannotWatch;
    m_watch.Stop();
}

// The drive of the watched folder is about to be removed: the watch lets go of it, so that the
// removal goes ahead; the watch comes back with the drive.
bool FolderWatchKeeper::OnDeviceChange(WPARAM event, LPARAM data) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_HANDLE)
        return false;
    if (event == DBT_DEVICEQUERYREMOVE) {
        m_watch.Release();
        m_released = true;
    } else if (event == DBT_DEVICEQUERYREMOVEFAILED && m_released) {
        Start();
    }
    return event == DBT_DEVICEREMOVECOMPLETE;
}

void FolderWatchKeeper::Start() {
    m_released = false;
    if (m_target)
        m_watch.Start(m_target->folder, m_target->subfolders, m_target->generation, m_target->window,
                      m_target->message);
    else
        m_watch.Stop();
}
