#pragma once
// The owner of a folder setting's folder: its scans (one at a time, on a worker thread), its
// watch, what is known of its photos (the index), the retries of a folder that cannot be
// reached, and the pause while a dialog or the menu of the widget is open. It tells the widget
// one thing: "show this photo" (already loaded and scaled), and answers the tooltip's question
// what it knows of the folder. Its decisions are the GUI-free rules of PhotoFolderSchedule,
// PhotoFolderSetting and PhotoFolderChoice; its news come to a message-only window of its own.
#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "base/win/Window.h"
#include "widget/core/PhotoFolderJob.h"
#include "widget/core/PhotoFolderSchedule.h"
#include "widget/core/PhotoFolderSetting.h"
#include "widget/core/PimmoSession.h"
#include "widget/win/PhotoFolderWatch.h"
#include "widget/win/PhotoLoader.h"
#include "widget/win/WorkerThread.h"

// What the widget does with the folder's photo.
class PhotoFolderOwner {
public:
    // The record names the folder's photo now. picture: loaded and scaled for the windows, or
    // empty when they show it already (reload: the folder is empty, show the missing photo).
    // changed: the record changed and is to be saved.
    virtual void OnFolderPhoto(const PhotoLoadResult& picture, bool reload, bool changed) = 0;
    // The windows' scaling, cache and DPI for a photo loaded off their thread.
    virtual PhotoLoadRequest FolderLoadRequest() = 0;
    // The windows hold the record's picture (a new load of the same file is not needed).
    virtual bool ShowsPicture() const = 0;

protected:
    ~PhotoFolderOwner() = default;
};

class PhotoFolderSource final : private Window {
public:
    PhotoFolderSource(PimmoSession& session, PhotoFolderOwner& owner) : m_session(session), m_owner(owner) {}
    ~PhotoFolderSource() override;

    bool Create(HINSTANCE instance);
    // Follows the record's folder as it is now: a new folder, order or sub-folder choice is
    // scanned (and, for the newest photo, watched) from the start; one file stops everything.
    void Follow();
    // The edit mode's choice: the folder scanned now, so that PictureFile names its photo. The
    // thread's messages are dispatched meanwhile; after timeoutMs the record stays as it is.
    void ChooseNow(DWORD timeoutMs);
    // A dialog or menu of the widget opens or closes.
    void Pause();
    void Resume();
    // The date may have changed: today's photo of "one a day", or another try at a folder
    // that could not be reached.
    void OnNewDay();
    // A drive came or went: an unplugged folder may be back.
    void OnDevicesChanged();
    // The tooltip's lines about the folder (empty for one file).
    std::string TooltipText() const { return FolderTooltipText(m_session.Record(), m_view); }
    // What is known of the photo shown (its date, for the tooltip's age at the photo).
    const FolderView& View() const { return m_view; }

private:
    static constexpr UINT kJobDoneMessage = WM_APP + 1;
    static constexpr UINT kWatchMessage = WM_APP + 2;
    static constexpr UINT_PTR kIntervalTimer = 1;
    static constexpr UINT_PTR kRetryTimer = 2;
    // Where a job leaves its result. A slot given up (a newer job, the widget's end) drops
    // its job's scaled photo, whichever of the two comes last.
    struct Slot {
        struct Result {
            FolderJobResult job;
            PhotoLoadResult picture;
        };
        std::mutex lock;
        std::optional<Result> result;
        std::string picturePath;  // the job's own scaled photo
        bool abandoned = false;

        void Put(Result done);
        std::optional<Result> Take();
        void Abandon();
    };

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Apply(const ScheduleStep& step);
    void StartJob();
    void StopJob();
    void StartWatch();
    void OnJobDone(uint32_t generation, uint32_t job);
    void OnWatch(uint32_t generation, FolderChange change);
    LRESULT OnDeviceChange(WPARAM event, LPARAM data);
    void Take(const FolderJobResult& result, const PhotoLoadResult& picture);
    void Retry();
    void ArmNextPhoto();
    void PlanRetry();

    PimmoSession& m_session;
    PhotoFolderOwner& m_owner;
    PhotoFolderSchedule m_schedule;
    SettingRecord m_followed;  // the folder fields the index and the view were made for
    std::shared_ptr<const PhotoIndex> m_index;
    StoredIndex m_stored;  // what lies on the disk of m_index
    FolderView m_view;
    std::shared_ptr<Slot> m_slot;
    // Set beside the worker's stop event: the scan reads it for every file without a system call.
    std::shared_ptr<std::atomic<bool>> m_jobStop;
    uint32_t m_jobNumber = 0;
    WorkerThread m_job;
    PhotoFolderWatch m_watch;
    // What the next scan reads: the whole folder, or only the pictures the watch saw arrive in a
    // folder whose index is whole.
    bool m_indexWhole = false;
    bool m_fullScanWanted = true;
    bool m_fullScanRunning = false;
    std::vector<std::string> m_arrivals;
    bool m_chooseOnly = false;     // the edit mode: the record follows, no window shows
    bool m_watchReleased = false;  // the drive asked to go: the watch let go of it
    // A folder out of reach, or one that cannot be watched, is looked at again on this timer.
    RetryBackoff m_backoff;
    bool m_retryPlanned = false;
    bool m_cannotWatch = false;  // the folder tells no changes: the timer lists it instead
};
