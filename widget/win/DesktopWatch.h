#pragma once
// A hidden top-level window that hears what the desktop tells every program: the system time,
// a resume from sleep, the unlock of the session, a change of the monitors or the work area;
// and its own timer at the next local midnight. Broadcasts reach top-level windows only, so
// the photo windows' owner gets them from here rather than from the windows it may hide.
#include <windows.h>

#include "base/win/Window.h"

class DesktopEvents {
public:
    // The date may have changed: midnight, resume, a new system time or time zone, an unlock.
    virtual void OnDayMayHaveChanged() = 0;
    // The monitors or their work areas changed.
    virtual void OnDisplayChanged() = 0;
    // A drive came or went (an unplugged folder may be back).
    virtual void OnDevicesChanged() = 0;

protected:
    ~DesktopEvents() = default;
};

class DesktopWatch final : public Window {
public:
    explicit DesktopWatch(DesktopEvents& events) : m_events(events) {}
    ~DesktopWatch() override;

    bool Create(HINSTANCE instance);
    // Arms the date timer for the next look at the date.
    void ScheduleDateCheck();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DayMayHaveChanged();

    DesktopEvents& m_events;
    bool m_sessionNotification = false;
};
