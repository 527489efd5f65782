#include "widget/win/DesktopWatch.h"

#include <dbt.h>
#include <wtsapi32.h>

#include "widget/core/DayRollover.h"

namespace {

constexpr wchar_t kWatchClass[] = L"PimmoDesktopWatch";
constexpr UINT_PTR kDateTimer = 1;

}  // namespace

DesktopWatch::~DesktopWatch() {
    if (m_sessionNotification && Handle())
        WTSUnRegisterSessionNotification(Handle());
}

bool DesktopWatch::Create(HINSTANCE instance) {
    if (!RegisterClassOnce(instance, {kWatchClass, 0, nullptr, nullptr, nullptr}))
        return false;
    // Never shown: a tool window keeps it off the taskbar even if something showed it.
    if (!CreateOf(instance, kWatchClass, WS_EX_TOOLWINDOW, L"", WS_POPUP, {0, 0, 0, 0}, nullptr))
        return false;
    m_sessionNotification = WTSRegisterSessionNotification(Handle(), NOTIFY_FOR_THIS_SESSION) != FALSE;
    ScheduleDateCheck();
    return true;
}

void DesktopWatch::ScheduleDateCheck() {
    SetTimer(Handle(), kDateTimer, static_cast<UINT>(NextDateCheckDelay(LocalNow())), nullptr);
}

void DesktopWatch::DayMayHaveChanged() {
    ScheduleDateCheck();  // the next midnight is measured from the new time
    m_events.OnDayMayHaveChanged();
}

LRESULT DesktopWatch::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kDateTimer)
                DayMayHaveChanged();
            return 0;
        case WM_TIMECHANGE:
            DayMayHaveChanged();
            return 0;
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)
                DayMayHaveChanged();
            return TRUE;
        case WM_WTSSESSION_CHANGE:
            if (wParam == WTS_SESSION_UNLOCK || wParam == WTS_CONSOLE_CONNECT || wParam == WTS_REMOTE_CONNECT)
                DayMayHaveChanged();
            return 0;
        case WM_DISPLAYCHANGE:
            m_events.OnDisplayChanged();
            return 0;
        case WM_DEVICECHANGE:
            // Broadcast to top-level windows when a drive is added or removed.
            if (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE || wParam == DBT_DEVNODES_CHANGED)
                m_events.OnDevicesChanged();
            return TRUE;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETWORKAREA)
                m_events.OnDisplayChanged();
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}
