#pragma once
// The watch of a folder setting's folder as the source wants it: it remembers what it was asked
// to watch, so that the watch comes back after a removal of the drive that did not happen, or
// on a retry once the folder answers again; a folder that tells no changes is not watched
// again until the folder is followed anew.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "widget/win/PhotoFolderWatch.h"

// What to watch, and where its messages go (PhotoFolderWatch::Start).
struct WatchTarget {
    std::string folder;
    bool subfolders = false;
    uint32_t generation = 0;
    HWND window = nullptr;
    UINT message = 0;
};

class FolderWatchKeeper {
public:
    FolderWatchKeeper() = default;
    FolderWatchKeeper(const FolderWatchKeeper&) = delete;
    FolderWatchKeeper& operator=(const FolderWatchKeeper&) = delete;
    ~FolderWatchKeeper() { m_watch.Stop(); }

    // The folder is followed anew: watched as target says (nullopt: not watched).
    void Follow(std::optional<WatchTarget> target);
    // Another look at the folder: a watch that ended is started again, unless the folder tells
    // no changes.
    void Retry();
    // The folder is left: no watch, and none comes back.
    void Stop();
    // The watch ended by itself (FolderChange::Unreachable or CannotWatch).
    void Ended(FolderChange change);
    // WM_DEVICECHANGE of the watched folder's handle; true when its drive was removed.
    bool OnDeviceChange(WPARAM event, LPARAM data);
    bool Running() const { return m_watch.Running(); }
    // The watch let go of the folder for a removal of its drive that has not ended.
    bool Released() const { return m_released; }
    WatchNews TakeNews() { return m_watch.TakeNews(); }

private:
    void Start();

    PhotoFolderWatch m_watch;
    std::optional<WatchTarget> m_target;
    bool m_released = false;     // the drive asked to go: the watch let go of it
    bool m_cannotWatch = false;  // the folder tells no changes: the timer lists it instead
};
