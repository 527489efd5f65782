#pragma once
// The folder's two timers on its window: the interval order's wake-up for the next slot's
// photo, and the backing-off look at a folder out of reach or without a watch. Each fires once.
#include <windows.h>

#include "common/core/SettingRecord.h"
#include "widget/core/PhotoFolderSchedule.h"

class FolderTimers {
public:
    enum class Fired { NextPhoto, Retry };

    // The interval order's one wake-up: the next slot's photo, asked for as a new day's is.
    void ArmNextPhoto(HWND window, const SettingRecord& record);
    // A look on the backing-off timer when needed (one at a time); none, and the back-off
    // starts again, when not.
    void PlanRetry(HWND window, bool needed);
    // WM_TIMER: which one fired.
    Fired OnTimer(HWND window, UINT_PTR id);

private:
    static constexpr UINT_PTR kIntervalTimer = 1;
    static constexpr UINT_PTR kRetryTimer = 2;
    RetryBackoff m_backoff;
    bool m_retryPlanned = false;
};
