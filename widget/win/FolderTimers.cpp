#include "widget/win/FolderTimers.h"

#include "widget/core/DayRollover.h"
#include "widget/core/PhotoInterval.h"

void FolderTimers::ArmNextPhoto(HWND window, const SettingRecord& record) {
    if (OrderOf(record) == PictureOrder::Interval)
        SetTimer(window, kIntervalTimer, static_cast<UINT>(MillisecondsUntilNextPhoto(record, LocalNow())), nullptr);
}

void FolderTimers::PlanRetry(HWND window, bool needed) {
    if (!needed) {
        KillTimer(window, kRetryTimer);
        m_retryPlanned = false;
        m_backoff.Reset();
    } else if (!m_retryPlanned) {
        m_retryPlanned = SetTimer(window, kRetryTimer, m_backoff.NextDelayMs(), nullptr) != 0;
    }
}

FolderTimers::Fired FolderTimers::OnTimer(HWND window, UINT_PTR id) {
    KillTimer(window, id);
    if (id != kRetryTimer)
        return Fired::NextPhoto;
    m_retryPlanned = false;
    return Fired::Retry;
}
