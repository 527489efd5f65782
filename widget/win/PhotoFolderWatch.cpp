#include "widget/win/PhotoFolderWatch.h"

#include <dbt.h>

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "base/core/Unicode.h"
#include "widget/core/PhotoFolderScan.h"
#include "widget/core/PictureTypes.h"

namespace {

// How often a picture being written is looked at: a size and time unchanged over one interval,
// and a writer that no longer refuses readers, count as complete.
constexpr DWORD kSettleIntervalMs = 250;
// A picture that stays locked this long (a program keeps it open) is no longer waited for.
constexpr ULONGLONG kLongestSettleMs = 10 * 60 * 1000;

struct FileState {
    LONGLONG size = -1;  // -1: gone
    LONGLONG written = 0;
    DWORD attributes = 0;

    bool operator==(const FileState&) const = default;
};

struct PendingPicture {
    std::string name;  // below the folder, UTF-8
    std::optional<FileState> last;
    ULONGLONG since = 0;
};

// Size and time from the directory, which opens no handle that could keep anybody from the file.
FileState StateOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return {};
    return {static_cast<LONGLONG>(data.nFileSizeHigh) << 32 | data.nFileSizeLow,
            static_cast<LONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime,
            data.dwFileAttributes};
}

std::wstring ForSystem(const std::wstring& path) {
    return path.size() < kLongPathFrom ? path : Widen(LongPathForSystem(Narrow(path)));
}

// Once the file has stopped changing: one open for a moment, shared for every access, tells
// whether its writer still refuses readers (a copy in progress).
bool WriterLetsRead(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    return file || GetLastError() != ERROR_SHARING_VIOLATION;
}

FolderAction ActionOf(DWORD action) {
    switch (action) {
        case FILE_ACTION_ADDED:
            return FolderAction::Added;
        case FILE_ACTION_REMOVED:
            return FolderAction::Removed;
        case FILE_ACTION_RENAMED_OLD_NAME:
            return FolderAction::RenamedOld;
        case FILE_ACTION_RENAMED_NEW_NAME:
            return FolderAction::RenamedNew;
        default:
            return FolderAction::Modified;
    }
}

// The folder's handle registered with the window for the removal of its device.
class DeviceRegistration {
public:
    DeviceRegistration(HWND window, HANDLE folder) {
        DEV_BROADCAST_HANDLE filter{};
        filter.dbch_size = sizeof filter;
        filter.dbch_devicetype = DBT_DEVTYP_HANDLE;
        filter.dbch_handle = folder;
        m_notify = RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    }
    ~DeviceRegistration() {
        if (m_notify)
            UnregisterDeviceNotification(m_notify);
    }
    DeviceRegistration(const DeviceRegistration&) = delete;
    DeviceRegistration& operator=(const DeviceRegistration&) = delete;

private:
    HDEVNOTIFY m_notify = nullptr;
};

class Watcher {
public:
    Watcher(std::wstring folder,
            bool subfolders,
            uint32_t generation,
            HWND window,
            UINT message,
            std::shared_ptr<PhotoFolderWatch::Shared> shared)
        : m_shared(std::move(shared)),
          m_folder(std::move(folder)),
          m_subfolders(subfolders),
          m_generation(generation),
          m_window(window),
          m_message(message) {}

    void Run(HANDLE stopEvent) {
        UniqueFile folder(CreateFileW(ForSystem(m_folder).c_str(), FILE_LIST_DIRECTORY,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
        UniqueHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        if (!folder || !done) {
            Post(FolderChange::Unreachable);
            return;
        }
        const DeviceRegistration device(m_window, folder.Get());
        if (!Watch(folder.Get(), done.Get(), stopEvent))
            Post(ClassifyWatchError(GetLastError(), m_started) == WatchFailure::CannotWatch
                     ? FolderChange::CannotWatch
                     : FolderChange::Unreachable);
    }

private:
    // A request for notifications failed: false when the folder can no longer be watched (the
    // error is the last one); true when the watch goes on with a rescan.
    bool Rescans(DWORD error) {
        SetLastError(error);
        if (ClassifyWatchError(error, m_started) != WatchFailure::Rescan)
            return false;
        m_changed = true;
        return true;
    }

    // False when the folder can no longer be watched; true when stopped.
    bool Watch(HANDLE folder, HANDLE done, HANDLE stopEvent) {
        const DWORD filter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_SIZE |
                             FILE_NOTIFY_CHANGE_LAST_WRITE;
        std::vector<DWORD> buffer(16 * 1024);  // DWORD-aligned, as the notifications must be
        for (;;) {
            OVERLAPPED overlapped{};
            overlapped.hEvent = done;
            ResetEvent(done);
            if (!ReadDirectoryChangesW(folder, buffer.data(), static_cast<DWORD>(buffer.size() * sizeof(DWORD)),
                                       m_subfolders, filter, nullptr, &overlapped, nullptr)) {
                if (!Rescans(GetLastError()))
                    return false;
                if (WaitForSingleObject(stopEvent, kSettleIntervalMs) == WAIT_OBJECT_0)
                    return true;
                Settle();
                continue;
            }
            m_started = true;
            const HANDLE events[] = {stopEvent, done};
            DWORD wait;
            while ((wait = WaitForMultipleObjects(2, events, FALSE,
                                                  m_pending.empty() ? INFINITE : kSettleIntervalMs)) == WAIT_TIMEOUT)
                Settle();
            DWORD bytes = 0;
            if (wait != WAIT_OBJECT_0 + 1) {
                CancelIoEx(folder, &overlapped);
                GetOverlappedResult(folder, &overlapped, &bytes, TRUE);  // the buffer is ours again
                return wait == WAIT_OBJECT_0;
            }
            if (!GetOverlappedResult(folder, &overlapped, &bytes, FALSE)) {
                if (!Rescans(GetLastError()))
                    return false;  // the folder went away
                bytes = 0;         // "too much changed": a rescan
            }
            Read(reinterpret_cast<const BYTE*>(buffer.data()), bytes);
            Settle();
        }
    }

    // No bytes: more changed than the buffer holds, so everything may have changed.
    void Read(const BYTE* at, DWORD bytes) {
        m_changed = m_changed || bytes == 0;
        for (DWORD offset = 0; bytes != 0;) {
            const auto* record = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(at + offset);
            const std::wstring name(record->FileName, record->FileNameLength / sizeof(WCHAR));
            Note(ActionOf(record->Action), name);
            if (record->NextEntryOffset == 0)
                break;
            offset += record->NextEntryOffset;
        }
    }

    void Note(FolderAction action, const std::wstring& name) {
        const std::string utf8 = Narrow(name);
        const std::wstring path = m_folder.back() == L'\\' ? m_folder + name : m_folder + L"\\" + name;
        const bool arrives = action != FolderAction::Removed && action != FolderAction::RenamedOld;
        if (arrives && IsPictureName(utf8)) {
            m_pending.try_emplace(path, PendingPicture{utf8, std::nullopt, GetTickCount64()});
            return;
        }
        const DWORD attributes = arrives ? GetFileAttributesW(ForSystem(path).c_str()) : INVALID_FILE_ATTRIBUTES;
        const bool isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        m_changed = m_changed || ChangeNeedsScan(action, utf8, isFolder, m_subfolders);
    }

    void Settle() {
        const ULONGLONG now = GetTickCount64();
        for (auto it = m_pending.begin(); it != m_pending.end();) {
            const FileState state = StateOf(ForSystem(it->first));
            // The directory entry decides first: a placeholder that stopped changing is complete
            // without an open, which would download it.
            const bool settled = state == it->second.last;
            const bool complete =
                state.size < 0 ||
                (settled && (!WatchMayOpen(it->second.name, state.attributes) || WriterLetsRead(ForSystem(it->first))));
            if (complete || now - it->second.since > kLongestSettleMs) {
                if (complete && state.size >= 0)
                    m_arrived.push_back(it->second.name);
                it = m_pending.erase(it);
                continue;
            }
            it->second.last = state;
            ++it;
        }
        if (!m_changed && m_arrived.empty())
            return;
        {
            std::lock_guard<std::mutex> hold(m_shared->lock);
            WatchNews& news = m_shared->news;
            news.rescan = news.rescan || m_changed;
            news.arrived.insert(news.arrived.end(), m_arrived.begin(), m_arrived.end());
        }
        Post(FolderChange::Changed);
        m_changed = false;
        m_arrived.clear();
    }

    void Post(FolderChange change) { PostMessageW(m_window, m_message, m_generation, static_cast<LPARAM>(change)); }

    std::shared_ptr<PhotoFolderWatch::Shared> m_shared;
    std::wstring m_folder;
    bool m_subfolders;
    uint32_t m_generation;
    HWND m_window;
    UINT m_message;
    std::map<std::wstring, PendingPicture> m_pending;
    std::vector<std::string> m_arrived;
    bool m_changed = false;
    bool m_started = false;  // a request for notifications succeeded once
};

}  // namespace

bool PhotoFolderWatch::Start(const std::string& folder,
                             bool subfolders,
                             uint32_t generation,
                             HWND window,
                             UINT message) {
    m_thread.Stop(0);
    const std::wstring path = Widen(FolderPathForSystem(folder));
    if (path.empty())
        return false;
    m_shared = std::make_shared<Shared>();
    return m_thread.Start([path, subfolders, generation, window, message, shared = m_shared](HANDLE stopEvent) {
        Watcher(path, subfolders, generation, window, message, shared).Run(stopEvent);
    });
}

WatchNews PhotoFolderWatch::TakeNews() {
    if (!m_shared)
        return {};
    std::lock_guard<std::mutex> hold(m_shared->lock);
    return std::exchange(m_shared->news, WatchNews{});
}
