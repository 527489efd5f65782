#include <gtest/gtest.h>

#include "widget/core/PhotoFolderScan.h"
#include "widget/core/PhotoFolderSchedule.h"
#include "widget/core/PhotoFolderSetting.h"

namespace {

TEST(PhotoFolderReach, ListingAndWatchErrorsTellWhatFailed) {
    using L = ListingFailure;
    const struct {
        uint32_t error;
        L root, subfolder;
    } listings[] = {
        {2, L::Empty, L::Empty},                // no file at all: an empty drive's root
        {3, L::Unreachable, L::Unreachable},    // left meanwhile: the watch tells, a rescan follows
        {5, L::Unreachable, L::SkipFolder},     // access denied
        {206, L::Unreachable, L::SkipFolder},   // the name is too long
        {1392, L::Unreachable, L::SkipFolder},  // damaged
        {64, L::Unreachable, L::Unreachable},   // the share dropped
        {21, L::Unreachable, L::Unreachable},   // the drive is not ready
        {1231, L::Unreachable, L::Unreachable},
    };
    for (const auto& c : listings) {
        EXPECT_EQ(ClassifyListingError(c.error, false), c.root) << c.error;
        EXPECT_EQ(ClassifyListingError(c.error, true), c.subfolder) << c.error;
    }
    using W = WatchFailure;
    const struct {
        uint32_t error;
        bool started;
        W expected;
    } watches[] = {
        {1022, true, W::Rescan}, {1022, false, W::Rescan}, {1, false, W::CannotWatch}, {50, false, W::CannotWatch},
        {1, true, W::Gone},      {5, true, W::Gone},       {64, true, W::Gone},        {995, true, W::Gone},
    };
    for (const auto& c : watches)
        EXPECT_EQ(ClassifyWatchError(c.error, c.started), c.expected) << c.error;
}

TEST(PhotoFolderReach, ASkippedSubFolderKeepsItsPhotosAndLongPathsTakeTheLongForm) {
    PhotoFolderScan scan;
    scan.photos = {{"a.jpg"}, {"open\\b.jpg"}};
    scan.skipped = {"locked"};
    KeepPhotosOfSkippedFolders(scan, {{"a.jpg"}, {"locked\\c.jpg"}, {"lockedout.jpg"}, {"open\\old.jpg"}});
    EXPECT_EQ(scan.photos, (PhotoIndex{{"a.jpg"}, {"locked\\c.jpg"}, {"open\\b.jpg"}}));
    const std::string deep(250, 'x');
    EXPECT_EQ(LongPathForSystem("D:\\" + deep), "\\\\?\\D:\\" + deep);
    EXPECT_EQ(LongPathForSystem("D:/" + deep), "\\\\?\\D:\\" + deep);
    EXPECT_EQ(LongPathForSystem("\\\\nas\\photos\\" + deep), "\\\\?\\UNC\\nas\\photos\\" + deep);
    EXPECT_EQ(LongPathForSystem("\\\\?\\D:\\" + deep), "\\\\?\\D:\\" + deep);
    EXPECT_EQ(LongPathForSystem("D:\\photos"), "D:\\photos");
}

TEST(PhotoFolderReach, RetriesBackOffFromHalfAMinuteToAQuarterHour) {
    RetryBackoff backoff;
    for (const uint32_t seconds : {30u, 60u, 120u, 240u, 480u, 900u, 900u})
        EXPECT_EQ(backoff.NextDelayMs(), seconds * 1000);
    backoff.Reset();
    EXPECT_EQ(backoff.NextDelayMs(), 30000u);
}

TEST(PhotoFolderReach, TheTimerLooksAtAFolderOutOfReachOrWithoutItsWatch) {
    SettingRecord newest;
    TakeFolder(newest, "D:\\photos");
    SettingRecord daily = newest;
    daily.PictureOrder = static_cast<int16_t>(PictureOrder::OneADay);
    using S = FolderStatus;
    const struct {
        const SettingRecord& record;
        S status;
        bool chooseOnly, watchRunning, needed;
    } kCases[] = {
        {newest, S::Shown, false, true, false},
        {newest, S::Shown, false, false, true},
        {newest, S::Unreachable, false, true, true},
        {daily, S::Shown, false, false, false},
        {daily, S::Unreachable, false, false, true},
        {newest, S::Unreachable, true, false, false},
        {SettingRecord{}, S::Unreachable, false, false, false},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(FolderRetryNeeded(c.record, c.status, c.chooseOnly, c.watchRunning), c.needed)
            << static_cast<int>(c.status) << c.chooseOnly << c.watchRunning;
}

}  // namespace
