#include "widget/win/PhotoFolderSource.h"

#include <dbt.h>

#include <utility>

#include "widget/core/DayRollover.h"
#include "widget/core/PhotoInterval.h"

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

PhotoFolderSource::~PhotoFolderSource() {
    // The workers are left to end alone: a network folder may not answer soon.
    m_job.Stop(0);
    m_watch.Stop();
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
    if (!m_watch.Running())
        StartWatch();
    Apply(m_schedule.Request(m_schedule.Generation()));
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
        m_job.Stop(0);  // it stops at its next file; its report comes all the same
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
    m_fullScanRunning = m_fullScanWanted || !m_indexWhole || m_arrivals.empty();
    if (!m_fullScanRunning)
        request.arrivals = std::move(m_arrivals);
    m_arrivals.clear();
    m_fullScanWanted = false;
    request.indexPath = FolderIndexPath(m_session.CachePath());
    request.loadPhoto = !m_chooseOnly;
    if (!m_chooseOnly) {
        request.load = m_owner.FolderLoadRequest();
        request.showsPicture = m_owner.ShowsPicture();
    }
    m_slot = std::make_shared<Slot>();
    const bool started = m_job.Start([slot = m_slot, request = std::move(request), window = Handle()](HANDLE stop) {
        FolderJobResult result =
            RunFolderJob(request, [stop] { return WaitForSingleObject(stop, 0) == WAIT_OBJECT_0; });
        {
            std::lock_guard<std::mutex> hold(slot->lock);
            slot->result = std::move(result);
        }
        PostMessageW(window, kJobDoneMessage, request.generation, 0);
    });
    if (!started) {  // no thread: the scan counts as ended, unreachable, and is tried again later
        m_schedule.ScanEnded(m_schedule.Generation(), FolderReach::Unreachable);
        m_view.status = FolderStatus::Unreachable;
    }
}

void PhotoFolderSource::OnJobDone(uint32_t generation) {
    if (generation != m_schedule.Generation() || !m_slot)
        return;
    std::optional<FolderJobResult> result;
    {
        std::lock_guard<std::mutex> hold(m_slot->lock);
        result = std::exchange(m_slot->result, std::nullopt);
    }
    if (!result)
        return;
    const ScanOutcome outcome = m_schedule.ScanEnded(generation, result->reach);
    if (outcome.keepIndex)
        m_index = result->index;
    if (m_fullScanRunning && outcome.keepIndex)
        m_indexWhole = result->reach == FolderReach::Complete;
    if (result->reach != FolderReach::Complete)
        m_fullScanWanted = true;
    if (outcome.takePhoto)
        Take(*result);
    Apply(outcome.next);
}

void PhotoFolderSource::Take(const FolderJobResult& result) {
    ArmNextPhoto();  // also after a folder out of reach: the next slot tries again
    SettingRecord& record = m_session.Record();
    if (result.reach != FolderReach::Complete || (!result.empty && !result.chosen)) {
        m_view.status = FolderStatus::Unreachable;  // the last photo stays
        return;
    }
    bool changed = false;
    if (result.empty) {
        m_view = {FolderStatus::Empty, std::nullopt};
        changed = TakeEmptyFolder(record);
    } else {
        m_view = {FolderStatus::Shown, result.chosen->photo};
        changed = TakeFolderCandidate(record, *result.chosen);
        if (result.picture.picture)
            record.IsStretchBmpCashed = result.picture.isStretchBmpCashed;
    }
    if (!m_chooseOnly)
        m_owner.OnFolderPhoto(result.picture, result.empty, changed);
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
    m_view.status = FolderStatus::Unreachable;  // the watch ended; a new drive or day tries again
    m_watch.Stop();
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
            OnJobDone(static_cast<uint32_t>(wParam));
            return 0;
        case kWatchMessage:
            OnWatch(static_cast<uint32_t>(wParam), static_cast<FolderChange>(lParam));
            return 0;
        case WM_DEVICECHANGE:
            return OnDeviceChange(wParam, lParam);
        case WM_TIMER:
            // Locked or disconnected, nothing is shown: the unlock's look at the date catches up.
            KillTimer(Handle(), wParam);
            if (SessionShowsDesktop())
                OnNewDay();
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}
