#include "widget/win/PhotoFolderSource.h"

#include <dbt.h>

#include <utility>

#include "widget/core/DayRollover.h"
#include "widget/core/PhotoInterval.h"
#include "widget/win/PhotoFolderJobFiles.h"

namespace {

constexpr wchar_t kSourceClass[] = L"PimmoPhotoFolder";

// Differs between runs and settings: a new "one a day" shuffles on its own.
uint64_t RunEntropy() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return (static_cast<uint64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime) ^
           (static_cast<uint64_t>(GetCurrentProcessId()) << 20) ^ GetTickCount64();
}

// The input desktop cannot be opened while the session is locked or disconnected.
bool SessionShowsDesktop() {
    HDESK desktop = OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS);
    if (desktop)
        CloseDesktop(desktop);
    return desktop != nullptr;
}

}  // namespace

void PhotoFolderSource::Slot::Put(Result done) {
    std::lock_guard<std::mutex> hold(lock);
    if (abandoned)
        DropJobPicture(picturePath);
    else
        result = std::move(done);
}

std::optional<PhotoFolderSource::Slot::Result> PhotoFolderSource::Slot::Take() {
    std::lock_guard<std::mutex> hold(lock);
    return std::exchange(result, std::nullopt);
}

void PhotoFolderSource::Slot::Abandon() {
    std::lock_guard<std::mutex> hold(lock);
    abandoned = true;
    if (result)
        DropJobPicture(picturePath);
    result.reset();
}

PhotoFolderSource::~PhotoFolderSource() {
    // The workers are left to end alone: a network folder may not answer soon.
    StopJob();
    if (m_slot)
        m_slot->Abandon();
    m_watch.Stop();
}

void PhotoFolderSource::StopJob() {
    if (m_jobStop)
        m_jobStop->store(true, std::memory_order_relaxed);
    m_job.Stop(0);  // it stops at its next file; its report comes all the same
}

bool PhotoFolderSource::Create(HINSTANCE instance) {
    return RegisterClassOnce(instance, {kSourceClass, 0, nullptr, nullptr, nullptr}) &&
           CreateOf(instance, kSourceClass, 0, L"", 0, {0, 0, 0, 0}, HWND_MESSAGE);
}

void PhotoFolderSource::Follow() {
    const SettingRecord& record = m_session.Record();
    if (!UsesPictureFolder(record) || !Handle()) {
        Apply(m_schedule.Forget());
        m_watch.Stop();
        m_view = {};
        PlanRetry();
        return;
    }
    if (FolderSettingDiffers(record, m_followed)) {  // nothing known of the old folder holds
        m_index.reset();
        m_view = {};
    }
    m_indexWhole = false;  // what changed while nobody watched is seen by a whole scan
    m_cannotWatch = false;
    m_fullScanWanted = true;
    m_arrivals.clear();
    m_followed = record;
    const ScheduleStep step = m_schedule.Restart();
    StartWatch();  // before the scan: a photo written while the scan runs is announced, never missed
    Apply(step);
}

void PhotoFolderSource::ChooseNow(DWORD timeoutMs) {
    if (!UsesPictureFolder(m_session.Record()))
        return;
    m_chooseOnly = true;
    Follow();
    m_watch.Stop();
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (ULONGLONG now = GetTickCount64(); m_schedule.Scanning() && now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    Apply(m_schedule.Forget());
}

void PhotoFolderSource::Pause() {
    Apply(m_schedule.Pause());
}

void PhotoFolderSource::Resume() {
    Apply(m_schedule.Resume());
}

void PhotoFolderSource::OnNewDay() {
    const SettingRecord& record = m_session.Record();
    if (UsesPictureFolder(record) &&
        (DailyPhotoIsDue(record, PhotoChoiceDay(record, LocalNow())) || m_view.status == FolderStatus::Unreachable))
        Retry();
    ArmNextPhoto();
}

// The interval order's one wake-up: the next slot's photo, asked for as a new day's is.
void PhotoFolderSource::ArmNextPhoto() {
    if (OrderOf(m_session.Record()) == PictureOrder::Interval && !m_chooseOnly)
        SetTimer(Handle(), kIntervalTimer,
                 static_cast<UINT>(MillisecondsUntilNextPhoto(m_session.Record(), LocalNow())), nullptr);
}

void PhotoFolderSource::OnDevicesChanged() {
    if (UsesPictureFolder(m_session.Record()) && (m_view.status == FolderStatus::Unreachable || m_watchReleased))
        Retry();
}

void PhotoFolderSource::Retry() {
    if (!m_watch.Running() && !m_cannotWatch)
        StartWatch();
    Apply(m_schedule.Request(m_schedule.Generation()));
}

// Unreachable, or a folder the watch should follow and cannot: a look on the backing-off
// timer; a folder that answers and is watched again needs none.
void PhotoFolderSource::PlanRetry() {
    const SettingRecord& record = m_session.Record();
    const bool watchWanted = OrderOf(record) == PictureOrder::Newest && !m_chooseOnly;
    const bool needed = UsesPictureFolder(record) && !m_chooseOnly &&
                        (m_view.status == FolderStatus::Unreachable || (watchWanted && !m_watch.Running()));
    if (!needed) {
        KillTimer(Handle(), kRetryTimer);
        m_retryPlanned = false;
        m_backoff.Reset();
    } else if (!m_retryPlanned) {
        m_retryPlanned = SetTimer(Handle(), kRetryTimer, m_backoff.NextDelayMs(), nullptr) != 0;
    }
}

void PhotoFolderSource::StartWatch() {
    const SettingRecord& record = m_session.Record();
    m_watchReleased = false;
    if (OrderOf(record) == PictureOrder::Newest && !m_chooseOnly)
        m_watch.Start(record.PictureFolder, record.PictureSubfolders != 0, m_schedule.Generation(), Handle(),
                      kWatchMessage);
    else
        m_watch.Stop();
}

void PhotoFolderSource::Apply(const ScheduleStep& step) {
    if (step.stopScan)
        StopJob();
    if (step.startScan)
        StartJob();
}

void PhotoFolderSource::StartJob() {
    FolderJobRequest request;
    request.generation = m_schedule.Generation();
    request.record = m_session.Record();
    request.settingNumber = m_session.SettingNumber();
    request.entropy = RunEntropy();
    request.today = PhotoChoiceDay(request.record, LocalNow());
    request.known = m_index;
    request.stored = m_stored;
    m_fullScanRunning = m_fullScanWanted || !m_indexWhole || m_arrivals.empty();
    if (!m_fullScanRunning)
        request.arrivals = std::move(m_arrivals);
    m_arrivals.clear();
    m_fullScanWanted = false;
    request.indexPath = FolderIndexPath(m_session.CachePath());
    request.loadPhoto = !m_chooseOnly;
    PhotoLoadRequest load;
    if (!m_chooseOnly) {
        load = m_owner.FolderLoadRequest();
        request.showsPicture = m_owner.ShowsPicture();
        request.shown = m_view.shown;
    }
    StopJob();
    if (m_slot)
        m_slot->Abandon();
    m_slot = std::make_shared<Slot>();
    m_slot->picturePath = FolderJobPicturePath(m_session.CachePath(), GetCurrentProcessId(), ++m_jobNumber);
    load.cachePath = m_slot->picturePath;
    m_jobStop = std::make_shared<std::atomic<bool>>(false);
    const auto work = [slot = m_slot, stop = m_jobStop, request = std::move(request), load = std::move(load),
                       job = m_jobNumber, window = Handle()](HANDLE) {
        PhotoFolderJobFiles files(load);
        FolderJobResult result = RunFolderJob(
            request, [&stop] { return stop->load(std::memory_order_relaxed); }, files);
        slot->Put({std::move(result), std::move(files.Picture())});
        LeaveJobThread();
        PostMessageW(window, kJobDoneMessage, request.generation, job);
    };
    if (!m_job.Start(work)) {  // no thread: the scan counts as ended, unreachable, and is tried again later
        m_schedule.ScanEnded(m_schedule.Generation(), FolderReach::Unreachable);
        m_view.status = FolderStatus::Unreachable;
    }
}

void PhotoFolderSource::OnJobDone(uint32_t generation, uint32_t job) {
    if (job != m_jobNumber || !m_slot)
        return;  // a newer job gave its slot up already
    if (generation != m_schedule.Generation()) {
        m_slot->Abandon();  // of a folder left behind
        return;
    }
    std::optional<Slot::Result> done = m_slot->Take();
    if (!done)
        return;
    const FolderJobResult* result = &done->job;
    const ScanOutcome outcome = m_schedule.ScanEnded(generation, result->reach);
    if (outcome.keepIndex) {
        m_index = result->index;
        m_stored = result->stored;
    }
    if (m_fullScanRunning && outcome.keepIndex)
        m_indexWhole = result->reach == FolderReach::Complete;
    if (result->reach != FolderReach::Complete)
        m_fullScanWanted = true;
    if (outcome.takePhoto)
        Take(*result, done->picture);
    else
        DropJobPicture(m_slot->picturePath);
    Apply(outcome.next);
    if (!m_schedule.Scanning())
        PlanRetry();
}

void PhotoFolderSource::Take(const FolderJobResult& result, const PhotoLoadResult& loaded) {
    ArmNextPhoto();  // also after a folder out of reach: the next slot tries again
    SettingRecord& record = m_session.Record();
    PhotoLoadResult picture = loaded;
    if (picture.picture && picture.isStretchBmpCashed)
        picture.isStretchBmpCashed = TakeJobPicture(m_slot->picturePath, m_session.CachePath()) ? 1 : 0;
    else
        DropJobPicture(m_slot->picturePath);
    if (result.reach != FolderReach::Complete || (!result.empty && !result.chosen)) {
        m_view.status = FolderStatus::Unreachable;  // the last photo stays
        return;
    }
    bool changed = false;
    // Arrivals alone list no sub-folder: what the last whole scan could not read still holds.
    std::vector<std::string> skipped = m_fullScanRunning ? result.skipped : std::move(m_view.skipped);
    if (result.empty) {
        m_view = {FolderStatus::Empty, std::nullopt, std::move(skipped)};
        changed = TakeEmptyFolder(record);
    } else {
        m_view = {FolderStatus::Shown, result.chosen->photo, std::move(skipped)};
        changed = TakeFolderCandidate(record, *result.chosen);
        if (picture.picture)
            record.IsStretchBmpCashed = picture.isStretchBmpCashed;
    }
    if (!m_chooseOnly)
        m_owner.OnFolderPhoto(picture, result.empty, changed);
}

void PhotoFolderSource::OnWatch(uint32_t generation, FolderChange change) {
    if (generation != m_schedule.Generation())
        return;  // a watch of a folder left behind
    if (change == FolderChange::Changed) {
        WatchNews news = m_watch.TakeNews();
        if (!news.rescan && news.arrived.empty())
            return;  // taken with an earlier message
        m_fullScanWanted = m_fullScanWanted || news.rescan;
        m_arrivals.insert(m_arrivals.end(), news.arrived.begin(), news.arrived.end());
        Apply(news.rescan ? m_schedule.Request(generation) : m_schedule.Queue(generation));
        return;
    }
    // The watch ended: a folder that went away is unreachable; one that is there but tells no
    // changes is listed on the timer instead.
    if (change == FolderChange::Unreachable)
        m_view.status = FolderStatus::Unreachable;
    m_cannotWatch = change == FolderChange::CannotWatch;
    m_watch.Stop();
    PlanRetry();
}

// The drive of the watched folder is about to be removed: the watch lets go of it, so that the
// removal goes ahead; the watch comes back with the drive.
LRESULT PhotoFolderSource::OnDeviceChange(WPARAM event, LPARAM data) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_HANDLE)
        return TRUE;
    if (event == DBT_DEVICEQUERYREMOVE) {
        m_watch.Release();
        m_watchReleased = true;
    } else if (event == DBT_DEVICEQUERYREMOVEFAILED && m_watchReleased) {
        StartWatch();
    } else if (event == DBT_DEVICEREMOVECOMPLETE) {
        m_view.status = FolderStatus::Unreachable;
    }
    return TRUE;
}

LRESULT PhotoFolderSource::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kJobDoneMessage:
            OnJobDone(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam));
            return 0;
        case kWatchMessage:
            OnWatch(static_cast<uint32_t>(wParam), static_cast<FolderChange>(lParam));
            return 0;
        case WM_DEVICECHANGE:
            return OnDeviceChange(wParam, lParam);
        case WM_TIMER:
            if (wParam == kRetryTimer) {
                KillTimer(Handle(), kRetryTimer);
                m_retryPlanned = false;
                Retry();
                return 0;
            }
            // Locked or disconnected, nothing is shown: the unlock's look at the date catches up.
            KillTimer(Handle(), wParam);
            if (SessionShowsDesktop())
                OnNewDay();
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}
