#pragma once
// When the day changes: a widget runs for days. Its caption counts today, the folder's photo
// of the day follows, the setting keeps the new day as its last day run, and a new day's
// anniversary is announced once, as at a start.
#include "widget/core/DayRollover.h"
#include "widget/core/PimmoSession.h"
#include "widget/win/MilestoneAnnouncer.h"
#include "widget/win/PhotoFolderSource.h"
#include "widget/win/PhotoWindowPair.h"

class DayRolloverWatch {
public:
    DayRolloverWatch(const PimmoSession& session,
                     PhotoWindowPair& pair,
                     PhotoFolderSource& folder,
                     MilestoneAnnouncer& announcer)
        : m_session(session), m_pair(pair), m_folder(folder), m_announcer(announcer) {}

    // The start has captioned the windows and looked for today's anniversary.
    void Start() { m_dayWatch = StartDayWatch(Today()); }
    // The date may have changed (midnight, resume, a new system time or time zone, an unlock).
    void OnDayMayHaveChanged();

private:
    const PimmoSession& m_session;
    PhotoWindowPair& m_pair;
    PhotoFolderSource& m_folder;
    MilestoneAnnouncer& m_announcer;
    DayWatch m_dayWatch;
};
