#include "widget/win/DayRolloverWatch.h"

#include "widget/core/AgeMessages.h"

void DayRolloverWatch::OnDayMayHaveChanged() {
    const SettingRecord& setting = m_session.Record();
    DayChange change = CheckDay(m_dayWatch, setting.PimmoName, setting.PimmoBirthDay, Today());
    if (change.newRunDay)
        m_announcer.KeepRunDay();
    m_dayWatch = change.watch;
    if (change.captionChanges)
        m_pair.SetCaption(AgeCaption(setting.PimmoName, setting.PimmoBirthDay, Today()));
    m_folder.OnNewDay();
    m_announcer.Announce(change.message);
}
