#pragma once
// The owner of a folder setting's folder: its scans (one at a time, on a worker thread), its
// watch, what is known of its photos (the index), the retries of a folder that cannot be
// reached, and the pause while a dialog or the menu of the widget is open. It tells the widget
// one thing: "show this photo" (already loaded and scaled), and answers the tooltip's question
// what it knows of the folder. Its decisions are the GUI-free rules of PhotoFolderSchedule,
// PhotoFolderSetting and PhotoFolderChoice; its news come to a message-only window of its own,
// and its jobs, its watch and its timers are parts of its own (FolderJobRunner,
// FolderWatchKeeper, FolderTimers).
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/win/Window.h"
#include "widget/core/PhotoFolderJob.h"
#include "widget/core/PhotoFolderSchedule.h"
#include "widget/core/PhotoFolderSetting.h"
#include "widget/core/PimmoSession.h"
#include "widget/win/FolderJobRunner.h"
#include "widget/win/FolderTimers.h"
#include "widget/win/FolderWatchKeeper.h"
#include "widget/win/PhotoLoader.h"

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
    // What is known of the photo shown (its date, for the tooltip's age at the photo; its lines
    // about the folder are FolderTooltipText).
    const FolderView& View() const { return m_view; }

private:
    static constexpr UINT kJobDoneMessage = WM_APP + 1;
    static constexpr UINT kWatchMessage = WM_APP + 2;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Apply(const ScheduleStep& step);
    void StartJob();
    void OnJobDone(uint32_t generation, uint32_t job);
    void OnWatch(uint32_t generation, FolderChange change);
    void Take(const FolderJobResult& result, const PhotoLoadResult& picture);
    void Retry();

    PimmoSession& m_session;
    PhotoFolderOwner& m_owner;
    PhotoFolderSchedule m_schedule;
    SettingRecord m_followed;  // the folder fields the index and the view were made for
    std::shared_ptr<const PhotoIndex> m_index;
    StoredIndex m_stored;  // what lies on the disk of m_index
    FolderView m_view;
    // Declared before the jobs, so that, as the source goes, its job stops before its watch.
    FolderWatchKeeper m_watch;
    FolderJobRunner m_jobs;
    // What the next scan reads: the whole folder, or only the pictures the watch saw arrive in a
    // folder whose index is whole.
    bool m_indexWhole = false;
    bool m_fullScanWanted = true;
    bool m_fullScanRunning = false;
    std::vector<std::string> m_arrivals;
    bool m_chooseOnly = false;  // the edit mode: the record follows, no window shows
    // A folder out of reach, or one that cannot be watched, is looked at again on a timer.
    FolderTimers m_timers;
};
