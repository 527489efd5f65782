#pragma once
// The photo folder's two services for the window's thread, each on a worker thread of its own
// so that the window never waits for the disk or the network:
//  - FolderWatch hears the system's change notifications for the folder (and its sub-folders
//    when asked), waits until a new or changed picture is completely written, then posts a
//    message to the window; nothing looks at the folder while nothing changes.
//  - FolderScanJob lists the folder and posts a message when the list is ready.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "widget/core/PictureFolder.h"
#include "widget/win/WorkerThread.h"

// wParam of the watch's message.
enum class FolderChange : WPARAM {
    Changed = 0,      // pictures were added (completely written), changed or removed: scan again
    Unreachable = 1,  // the folder cannot be watched (missing, unplugged, offline); the watch ended
};

class FolderWatch {
public:
    // Starts watching; every earlier watch ends. The message goes to window with a FolderChange.
    bool Start(const std::string& folder, bool subfolders, HWND window, UINT message);
    void Stop() { m_thread.Stop(); }
    bool Running() const { return m_thread.Running(); }

private:
    WorkerThread m_thread;
};

class FolderScanJob {
public:
    // Starts listing the folder. A scan that still runs is left to end alone; its result is
    // dropped. When the list is ready, message goes to window with wParam = the scan's number.
    bool Start(const std::string& folder, bool subfolders, HWND window, UINT message);
    // The list of the scan whose message this is, once; nullopt for an earlier scan's message.
    std::optional<PictureFolderScan> TakeResult(WPARAM scanNumber);

private:
    struct Slot {
        std::mutex lock;
        std::optional<PictureFolderScan> result;
    };
    std::shared_ptr<Slot> m_slot;
    uint32_t m_scanNumber = 0;
    WorkerThread m_thread;
};
