#pragma once
// When a folder setting's folder is scanned. One scan at a time: a change seen while a scan
// runs stops it early (what it learned is kept) and one more scan follows; any number of
// changes meanwhile cost that one scan. Arrivals wait for the running scan, whose photo is
// still shown. While a dialog or the menu of the widget is open, no
// photo is taken from a scan (the dialog edits a copy of the setting); the folder is scanned
// again when the last one closes. Every scan carries the generation of the folder it was made
// for: a new folder, order or sub-folder choice starts a new generation, and whatever an older
// one still reports is dropped.
#include <cstdint>
#include <optional>

#include "widget/core/PhotoFolderScan.h"

struct ScheduleStep {
    bool startScan = false;  // start a scan of the current generation
    bool stopScan = false;   // ask the running scan to stop early

    bool operator==(const ScheduleStep&) const = default;
};

struct ScanOutcome {
    bool keepIndex = false;  // what the scan learned of the folder is kept
    bool takePhoto = false;  // its photo (or its news: empty, unreachable) goes on the screen
    ScheduleStep next;

    bool operator==(const ScanOutcome&) const = default;
};

class PhotoFolderSchedule {
public:
    // The folder was chosen anew (or the widget starts): a new generation and its first scan;
    // a scan of the old folder still running is stopped and left to end alone.
    ScheduleStep Restart();
    // The setting no longer uses a folder: nothing runs, and any late report is dropped.
    ScheduleStep Forget();
    // A change of the folder was seen, or a retry is due (a drive came, a new day): a scan.
    ScheduleStep Request(uint32_t generation);
    // Pictures arrived that the next scan reads alone: a scan, but the running one goes on (it
    // may be a whole scan, which arrivals alone must not keep from ending).
    ScheduleStep Queue(uint32_t generation);
    // The scan of that generation ended with reach.
    ScanOutcome ScanEnded(uint32_t generation, FolderReach reach);
    ScheduleStep Pause();
    ScheduleStep Resume();

    uint32_t Generation() const { return m_generation; }
    bool Scanning() const { return m_scanning.has_value(); }

private:
    ScheduleStep Next();

    uint32_t m_generation = 0;
    bool m_active = false;  // the setting uses a folder
    bool m_wanted = false;  // a scan is wanted after the running one (or after the pause)
    bool m_stopAsked = false;
    bool m_superseded = false;           // a change beyond arrivals came while the scan ran
    std::optional<uint32_t> m_scanning;  // the generation of the scan that runs
    int m_paused = 0;
};

// How long a folder that cannot be reached, or cannot be watched, waits for its next look:
// 30 s, doubling to 15 min, and 30 s again once it answers.
class RetryBackoff {
public:
    static constexpr uint32_t kFirstMs = 30 * 1000, kLongestMs = 15 * 60 * 1000;
    uint32_t NextDelayMs();
    void Reset() { m_next = kFirstMs; }

private:
    uint32_t m_next = kFirstMs;
};
