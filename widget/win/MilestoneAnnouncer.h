#pragma once
// The milestone announcer: today's birthday, month-birthday or round day count, and the
// milestone that fell while no widget ran for the setting. The setting keeps the last day a
// widget ran for it, so that the next start can tell what it missed.
#include <string>

#include "widget/core/PimmoSession.h"
#include "widget/win/PhotoWindowPair.h"

class MilestoneAnnouncer {
public:
    MilestoneAnnouncer(PimmoSession& session, const PhotoWindowPair& pair) : m_session(session), m_pair(pair) {}

    // Keeps today as the setting's last day run; returns the message of the milestone missed
    // since the day kept before, empty when none was.
    std::string KeepRunDay();
    // Announces today's birthday, month-birthday or round day count, if any.
    void AnnounceToday() const;
    // Shows an anniversary message over the current photo window; nothing when it is empty.
    void Announce(const std::string& text) const;

private:
    PimmoSession& m_session;
    const PhotoWindowPair& m_pair;
};
