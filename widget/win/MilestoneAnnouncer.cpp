#include "widget/win/MilestoneAnnouncer.h"

#include "base/win/MessageBox.h"
#include "widget/core/AgeMessages.h"
#include "widget/core/MissedMilestone.h"
#include "widget/core/PimmoMessages.h"

std::string MilestoneAnnouncer::KeepRunDay() {
    SettingRecord& setting = m_session.Record();
    const CalendarDate today = Today();
    std::string missed = MissedMilestoneText(setting.PimmoName, setting.PimmoBirthDay, setting.LastRunDay, today);
    setting.LastRunDay = RunDayText(today);
    // Not kept, the day is only older than it could be: a milestone may come twice, never lost.
    m_session.Store().SaveLastRunDay(setting);
    return missed;
}

void MilestoneAnnouncer::AnnounceToday() const {
    const SettingRecord& setting = m_session.Record();
    Announce(AnniversaryMessageText(setting.PimmoName, setting.PimmoBirthDay, Today()));
}

void MilestoneAnnouncer::Announce(const std::string& text) const {
    if (!text.empty())
        ShowMessage(m_pair.CurrentPhotoWindow(), AnniversaryBox(text));
}
