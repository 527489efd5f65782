#include "widget/win/FolderWatch.h"

#include <map>
#include <vector>

#include "base/core/Unicode.h"

namespace {

// How often a picture being written is looked at: a size unchanged over one interval, and no
// writer holding it open, count as complete.
constexpr DWORD kSettleIntervalMs = 250;
// A picture that stays locked this long (a program keeps it open) is no longer waited for.
constexpr ULONGLONG kLongestSettleMs = 10 * 60 * 1000;

struct PendingPicture {
    LONGLONG size = -1;
    ULONGLONG since = 0;
};

// The picture's size when nobody has it open for writing, else nullopt (or -1 when it is gone).
std::optional<LONGLONG> SizeWhenUnlocked(const std::wstring& path) {
    // Sharing only reading fails while a writer holds the file open: it is still being written.
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return GetLastError() == ERROR_SHARING_VIOLATION ? std::nullopt : std::optional<LONGLONG>(-1);
    LARGE_INTEGER size{};
    return GetFileSizeEx(file.Get(), &size) ? std::optional<LONGLONG>(size.QuadPart) : std::nullopt;
}

class Watcher {
public:
    Watcher(std::wstring folder, bool subfolders, HWND window, UINT message)
        : m_folder(std::move(folder)), m_subfolders(subfolders), m_window(window), m_message(message) {}

    void Run(HANDLE stopEvent) {
        UniqueFile folder(CreateFileW(m_folder.c_str(), FILE_LIST_DIRECTORY,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
        UniqueHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        if (!folder || !done || !Watch(folder.Get(), done.Get(), stopEvent))
            Post(FolderChange::Unreachable);
    }

private:
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
                                       m_subfolders, filter, nullptr, &overlapped, nullptr))
                return false;
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
            if (!GetOverlappedResult(folder, &overlapped, &bytes, FALSE))
                return false;  // the folder went away
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
            const bool arrives = record->Action == FILE_ACTION_ADDED || record->Action == FILE_ACTION_MODIFIED ||
                                 record->Action == FILE_ACTION_RENAMED_NEW_NAME;
            const std::wstring path = m_folder + L"\\" + name;
            if (arrives && IsPictureName(Narrow(name)))
                m_pending.try_emplace(path, PendingPicture{-1, GetTickCount64()});
            else if (!arrives || (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY))
                m_changed = true;  // a removal, or a folder of pictures moved in
            if (record->NextEntryOffset == 0)
                break;
            offset += record->NextEntryOffset;
        }
    }

    void Settle() {
        const ULONGLONG now = GetTickCount64();
        for (auto it = m_pending.begin(); it != m_pending.end();) {
            const auto size = SizeWhenUnlocked(it->first);
            const bool complete = size && (*size < 0 || *size == it->second.size);
            if (complete || now - it->second.since > kLongestSettleMs) {
                m_changed = m_changed || complete;
                it = m_pending.erase(it);
                continue;
            }
            it->second.size = size.value_or(-1);
            ++it;
        }
        if (m_changed)
            Post(FolderChange::Changed);
        m_changed = false;
    }

    void Post(FolderChange change) { PostMessageW(m_window, m_message, static_cast<WPARAM>(change), 0); }

    std::wstring m_folder;
    bool m_subfolders;
    HWND m_window;
    UINT m_message;
    std::map<std::wstring, PendingPicture> m_pending;
    bool m_changed = false;
};

}  // namespace

bool FolderWatch::Start(const std::string& folder, bool subfolders, HWND window, UINT message) {
    std::wstring path = Widen(folder);
    while (!path.empty() && (path.back() == L'\\' || path.back() == L'/'))
        path.pop_back();
    return m_thread.Start([path, subfolders, window, message](HANDLE stopEvent) {
        Watcher(path, subfolders, window, message).Run(stopEvent);
    });
}

bool FolderScanJob::Start(const std::string& folder, bool subfolders, HWND window, UINT message) {
    m_thread.Stop(0);  // an earlier scan ends alone; its slot is no longer read
    m_slot = std::make_shared<Slot>();
    const WPARAM number = ++m_scanNumber;
    return m_thread.Start([slot = m_slot, folder, subfolders, window, message, number](HANDLE stopEvent) {
        PictureFolderScan scan = ScanPictureFolder(folder, subfolders);
        if (WaitForSingleObject(stopEvent, 0) == WAIT_OBJECT_0)
            return;
        {
            std::lock_guard<std::mutex> hold(slot->lock);
            slot->result = std::move(scan);
        }
        PostMessageW(window, message, number, 0);
    });
}

std::optional<PictureFolderScan> FolderScanJob::TakeResult(WPARAM scanNumber) {
    if (!m_slot || scanNumber != m_scanNumber)
        return std::nullopt;
    std::lock_guard<std::mutex> hold(m_slot->lock);
    return std::exchange(m_slot->result, std::nullopt);
}
