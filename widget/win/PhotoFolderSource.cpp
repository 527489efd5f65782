#include "widget/win/PhotoFolderSource.h"

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
        m_timers.PlanRetry(Handle(), FolderRetryNeeded(record, m_view.status, m_chooseOnly, m_watch.Running()));
        return;
    }
    if (FolderSettingDiffers(record, m_followed)) {  // nothing known of the old folder holds
        m_index.reset();
        m_view = {};
    }
    m_indexWhole = false;  // what changed while nobody watched is seen by a whole scan
    m_fullScanWanted = true;
    m_arrivals.clear();
    m_followed = record;
    const ScheduleStep step = m_schedule.Restart();
    std::optional<WatchTarget> watch;
    if (OrderOf(record) == PictureOrder::Newest && !m_chooseOnly)
        watch = WatchTarget{record.PictureFolder, record.PictureSubfolders != 0, m_schedule.Generation(), Handle(),
                            kWatchMessage};
    m_watch.Follow(std::move(watch));  // before the scan: a photo written while it runs is announced, never missed
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
    if (!m_chooseOnly)
        m_timers.ArmNextPhoto(Handle(), record);
}

void PhotoFolderSource::OnDevicesChanged() {
    if (UsesPictureFolder(m_session.Record()) && (m_view.status == FolderStatus::Unreachable || m_watch.Released()))
        Retry();
}

// Another look: the watch that ended comes back, and the folder is scanned.
void PhotoFolderSource::Retry() {
    m_watch.Retry();
    Apply(m_schedule.Request(m_schedule.Generation()));
}

void PhotoFolderSource::Apply(const ScheduleStep& step) {
    if (step.stopScan)
        m_jobs.Stop();
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
    // No thread: the scan counts as ended, unreachable, and is tried again later.
    if (!m_jobs.Start(std::move(request), std::move(load), m_session.CachePath(), Handle(), kJobDoneMessage)) {
        m_schedule.ScanEnded(m_schedule.Generation(), FolderReach::Unreachable);
        m_view.status = FolderStatus::Unreachable;
    }
}

void PhotoFolderSource::OnJobDone(uint32_t generation, uint32_t job) {
    if (generation != m_schedule.Generation()) {
        m_jobs.Abandon(job);  // of a folder left behind
        return;
    }
    std::optional<FolderJobRunner::Result> done = m_jobs.Take(job);
    if (!done)
        return;  // a newer job gave its slot up already
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
        DropJobPicture(m_jobs.PicturePath());
    Apply(outcome.next);
    if (!m_schedule.Scanning())
        m_timers.PlanRetry(Handle(),
                           FolderRetryNeeded(m_session.Record(), m_view.status, m_chooseOnly, m_watch.Running()));
}

void PhotoFolderSource::Take(const FolderJobResult& result, const PhotoLoadResult& loaded) {
    SettingRecord& record = m_session.Record();
    if (!m_chooseOnly)  // also after a folder out of reach: the next slot tries again
        m_timers.ArmNextPhoto(Handle(), record);
    PhotoLoadResult picture = loaded;
    if (picture.picture && picture.isStretchBmpCashed)
        picture.isStretchBmpCashed = TakeJobPicture(m_jobs.PicturePath(), m_session.CachePath()) ? 1 : 0;
    else
        DropJobPicture(m_jobs.PicturePath());
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
    m_watch.Ended(change);
    m_timers.PlanRetry(Handle(), FolderRetryNeeded(m_session.Record(), m_view.status, m_chooseOnly, m_watch.Running()));
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
            if (m_watch.OnDeviceChange(wParam, lParam))
                m_view.status = FolderStatus::Unreachable;
            return TRUE;
        case WM_TIMER:
            if (m_timers.OnTimer(Handle(), wParam) == FolderTimers::Fired::Retry)
                Retry();
            else if (SessionShowsDesktop())  // locked or disconnected, nothing is shown: the unlock's
                OnNewDay();                  // look at the date catches up
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}
