#include "widget/core/PhotoFolderSchedule.h"

ScheduleStep PhotoFolderSchedule::Restart() {
    ++m_generation;
    m_active = true;
    m_wanted = true;
    ScheduleStep step;
    if (m_scanning) {  // of the old folder: its report will be dropped, the new one need not wait
        step.stopScan = true;
        m_scanning.reset();
    }
    m_stopAsked = false;
    const ScheduleStep next = Next();
    step.startScan = next.startScan;
    return step;
}

ScheduleStep PhotoFolderSchedule::Forget() {
    ++m_generation;
    m_active = false;
    m_wanted = false;
    ScheduleStep step;
    step.stopScan = m_scanning.has_value();
    m_scanning.reset();
    return step;
}

ScheduleStep PhotoFolderSchedule::Request(uint32_t generation) {
    if (!m_active || generation != m_generation)
        return {};
    m_wanted = true;
    m_superseded = m_scanning.has_value();
    return Next();
}

ScheduleStep PhotoFolderSchedule::Queue(uint32_t generation) {
    if (!m_active || generation != m_generation)
        return {};
    m_wanted = true;
    return m_scanning ? ScheduleStep{} : Next();
}

ScanOutcome PhotoFolderSchedule::ScanEnded(uint32_t generation, FolderReach reach) {
    ScanOutcome outcome;
    if (!m_active || !m_scanning || generation != m_generation || *m_scanning != generation)
        return outcome;  // a scan of a folder left behind
    m_scanning.reset();
    m_stopAsked = false;
    outcome.keepIndex = reach != FolderReach::Unreachable;
    // A stopped scan saw part of the folder; one superseded, or ended inside a dialog, saw a
    // folder or a setting that has changed since: the next scan decides. Arrivals queued
    // meanwhile only add to what the scan saw, so its photo is shown: a folder that gains a
    // photo during every scan still shows a new one after each.
    outcome.takePhoto = reach != FolderReach::Stopped && !m_superseded && m_paused == 0;
    m_superseded = false;
    if (!outcome.takePhoto)
        m_wanted = true;
    outcome.next = Next();
    return outcome;
}

ScheduleStep PhotoFolderSchedule::Pause() {
    ++m_paused;
    return {};
}

ScheduleStep PhotoFolderSchedule::Resume() {
    if (m_paused > 0)
        --m_paused;
    return Next();
}

ScheduleStep PhotoFolderSchedule::Next() {
    ScheduleStep step;
    if (!m_active || !m_wanted)
        return step;
    if (m_scanning) {
        step.stopScan = !m_stopAsked;  // superseded: it ends early and the next one follows
        m_stopAsked = true;
        return step;
    }
    if (m_paused > 0)
        return step;
    m_scanning = m_generation;
    m_wanted = false;
    m_superseded = false;
    step.startScan = true;
    return step;
}

uint32_t RetryBackoff::NextDelayMs() {
    const uint32_t delay = m_next;
    m_next = delay >= kLongestMs / 2 ? kLongestMs : delay * 2;
    return delay;
}
