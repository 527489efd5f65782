#include <gtest/gtest.h>

#include "widget/core/PhotoFolderSchedule.h"

namespace {

constexpr ScheduleStep kNone{}, kStart{true, false}, kStop{false, true}, kStopStart{true, true};

TEST(PhotoFolderSchedule, ChangesDuringAScanCostOneMoreScan) {
    PhotoFolderSchedule schedule;
    EXPECT_EQ(schedule.Restart(), kStart);
    const uint32_t generation = schedule.Generation();
    EXPECT_EQ(schedule.Request(generation), kStop) << "the running scan is superseded";
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(schedule.Request(generation), kNone) << "asked to stop once";
    EXPECT_EQ(schedule.ScanEnded(generation, FolderReach::Stopped), (ScanOutcome{true, false, kStart}));
    EXPECT_EQ(schedule.ScanEnded(generation, FolderReach::Complete), (ScanOutcome{true, true, kNone}));
    EXPECT_FALSE(schedule.Scanning());
    EXPECT_EQ(schedule.Request(generation), kStart);
    EXPECT_EQ(schedule.Queue(generation), kNone) << "arrivals wait for the running scan";
    EXPECT_EQ(schedule.ScanEnded(generation, FolderReach::Complete), (ScanOutcome{true, true, kStart}))
        << "arrivals only add to what the scan saw: its photo is shown";
    EXPECT_EQ(schedule.ScanEnded(generation, FolderReach::Unreachable), (ScanOutcome{false, true, kNone}));
}

TEST(PhotoFolderSchedule, AStreamOfArrivalsShowsAPhotoAfterEveryScan) {
    PhotoFolderSchedule schedule;
    schedule.Restart();
    const uint32_t generation = schedule.Generation();
    for (int scan = 0; scan < 1000; ++scan) {
        ASSERT_EQ(schedule.Queue(generation), kNone);
        ASSERT_EQ(schedule.ScanEnded(generation, FolderReach::Complete), (ScanOutcome{true, true, kStart})) << scan;
    }
    EXPECT_EQ(schedule.Request(generation), kStop);
    EXPECT_EQ(schedule.ScanEnded(generation, FolderReach::Complete), (ScanOutcome{true, false, kStart}))
        << "a removal meanwhile: the next scan decides";
}

TEST(PhotoFolderSchedule, AnOlderFolderIsDroppedAndADialogHoldsThePhoto) {
    PhotoFolderSchedule schedule;
    schedule.Restart();
    const uint32_t old = schedule.Generation();
    EXPECT_EQ(schedule.Restart(), kStopStart) << "the new folder does not wait for the old one";
    EXPECT_EQ(schedule.Request(old), kNone);
    EXPECT_EQ(schedule.ScanEnded(old, FolderReach::Complete), ScanOutcome{});
    const uint32_t current = schedule.Generation();
    EXPECT_EQ(schedule.Pause(), kNone);
    EXPECT_EQ(schedule.ScanEnded(current, FolderReach::Complete), (ScanOutcome{true, false, kNone}));
    EXPECT_EQ(schedule.Request(current), kNone);
    EXPECT_EQ(schedule.Resume(), kStart) << "scanned again once the dialog closed";
    EXPECT_EQ(schedule.Forget(), kStop);
    EXPECT_EQ(schedule.ScanEnded(current, FolderReach::Complete), ScanOutcome{});
    EXPECT_EQ(schedule.Request(schedule.Generation()), kNone) << "one file: nothing runs";
}

}  // namespace
