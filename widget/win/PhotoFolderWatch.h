#pragma once
// The watch of a folder setting's folder, on a worker thread of its own so that the window never
// waits for the disk or the network. It hears the system's change notifications for the folder
// (and its sub-folders when asked), waits until a new or changed picture is completely written,
// then posts a message to the window; nothing looks at the folder while nothing changes, and a
// change to a file that is no picture costs nothing.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "widget/win/WorkerThread.h"

// lParam of the watch's message; wParam is the generation the watch was started with.
enum class FolderChange : LPARAM {
    Changed = 0,      // pictures were added (completely written), changed or removed: scan again
    Unreachable = 1,  // the folder cannot be watched (missing, unplugged, offline); the watch ended
    CannotWatch = 2,  // the folder is there but tells no changes (a share without them); the watch ended
};

// What the watch saw since it was last asked.
struct WatchNews {
    std::vector<std::string> arrived;  // pictures written completely: names below the folder
    bool rescan = false;               // anything else that changes the photos: a removal, a folder
};

class PhotoFolderWatch {
public:
    // Starts watching; every earlier watch is left to end alone. The watch's messages go to
    // window with the generation, and its folder's handle is registered there for the device's
    // removal (DBT_DEVICEQUERYREMOVE).
    bool Start(const std::string& folder, bool subfolders, uint32_t generation, HWND window, UINT message);
    // Ends the watch without waiting for it (a network folder may not answer soon).
    void Stop() { m_thread.Stop(0); }
    // Ends the watch and waits a moment for its handle to close: the drive is about to go.
    void Release() { m_thread.Stop(kReleaseTimeoutMs); }
    bool Running() const { return m_thread.Running(); }
    // The news since the last call (of the watch started last).
    WatchNews TakeNews();

    struct Shared {
        std::mutex lock;
        WatchNews news;
    };

private:
    static constexpr DWORD kReleaseTimeoutMs = 1000;
    WorkerThread m_thread;
    std::shared_ptr<Shared> m_shared;
};
