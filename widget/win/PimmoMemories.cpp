// PimmoModule's memories of the setting: the day this widget runs, kept so that the next start
// can tell a milestone that fell while no widget ran.
#include "widget/core/MissedMilestone.h"
#include "widget/win/PimmoModule.h"

std::string PimmoModule::KeepRunDay() {
    SettingRecord& setting = Setting();
    const CalendarDate today = Today();
    std::string missed = MissedMilestoneText(setting.PimmoName, setting.PimmoBirthDay, setting.LastRunDay, today);
    setting.LastRunDay = RunDayText(today);
    // Not kept, the day is only older than it could be: a milestone may come twice, never lost.
    m_session->Store().SaveLastRunDay(setting);
    return missed;
}
