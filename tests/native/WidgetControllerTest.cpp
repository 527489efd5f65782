#include "widget/core/WidgetController.h"

#include <gtest/gtest.h>

#include "widget/core/MissedMilestone.h"
#include "widget/core/PhotoFolderSchedule.h"
#include "widget/core/PhotoFolderSetting.h"

namespace {

// The windows as a log, one letter an answer; the folder as its schedule.
struct FakeWindows final : WidgetActions {
    explicit FakeWindows(SettingRecord& r) : record(r) {}
    void CaptureWindowPlace() override { log += 'c'; }
    bool SaveSetting() override { return log += 's', ++saves, !failing; }
    void SaveLastRunDay() override { log += 'd'; }
    bool ReleaseStartLock() override { return log += 'r', true; }
    void LoadPhoto() override { log += 'l'; }
    void PlaceWindows(const std::string&) override { log += 'p'; }
    void ShowWindows(bool normal) override { log += normal ? 'N' : 'w'; }
    void SetCaption(const std::string&) override { log += 'C'; }
    void CloseWindows() override { log += 'x'; }
    void Folder(FolderStep step) override {
        const char kSteps[] = "f()n";
        log += kSteps[static_cast<int>(step)];
        if (step == FolderStep::Follow)
            UsesPictureFolder(record) ? schedule.Restart() : schedule.Forget();
        else if (step != FolderStep::NewDay)
            step == FolderStep::Pause ? schedule.Pause() : schedule.Resume();
    }
    void Announce(const std::string& text) override { log += 'a', told.push_back(text); }
    void TellNotSaved(UnsavedChange) override { log += '!', told.push_back("not saved"); }
    void EndSession() override { log += 'e'; }

    SettingRecord& record;
    PhotoFolderSchedule schedule;
    std::string log;
    std::vector<std::string> told;
    int saves = 0;
    bool failing = false;
};

struct Widget {
    Widget() {
        record.PimmoName = "X";
        record.PimmoBirthDay = {2023, 6, 10};
        record.LastRunDay = "2024/06/08";
        TakeFolder(record, "C:\\photos");
    }
    void Start(bool lockHeld = true) {
        controller.OnStarted(lockHeld);
        controller.OnRunning();
        windows.log.clear();
    }
    SettingRecord record;
    CalendarDate today{2024, 6, 9};
    FakeWindows windows{record};
    WidgetController controller{record, windows, [this] { return today; }};
};

TEST(WidgetController, APictureTakenWhileTheFolderIsScannedStays) {
    const struct {
        const char* name;
        void (*events)(WidgetController&);
    } kCases[] = {
        {"dropped", [](WidgetController& c) { c.OnPictureTaken("C:\\kid.jpg"); }},
        {"opened",
         [](WidgetController& c) {
             c.Modals().Opened(), c.OnDialogOpens(), c.OnPictureTaken("C:\\kid.jpg"), c.Modals().Closed();
         }},
        {"chosen in the options, cancelled",
         [](WidgetController& c) {
             c.Modals().Opened(), c.OnPictureChosenInOptions("C:\\kid.jpg"), c.OnOptionsClosed({}), c.Modals().Closed();
         }},
    };
    for (const auto& c : kCases) {
        Widget widget;
        widget.Start();
        const uint32_t scan = widget.windows.schedule.Generation();
        ASSERT_TRUE(widget.windows.schedule.Scanning());
        c.events(widget.controller);
        EXPECT_FALSE(widget.windows.schedule.ScanEnded(scan, FolderReach::Complete).takePhoto) << c.name;
        EXPECT_EQ(widget.record.PictureFile, "C:\\kid.jpg") << c.name;
        EXPECT_FALSE(UsesPictureFolder(widget.record)) << c.name;
    }
}

TEST(WidgetController, OneReloadSequence) {
    SettingRecord applied;
    const struct {
        void (*events)(WidgetController&, const SettingRecord&);
        const char* log;  // c capture, s save, l load, p place, w show, N normal stacking, f follow
    } kCases[] = {
        {[](WidgetController& c, const SettingRecord&) { c.OnPictureTaken("C:\\kid.jpg"); }, "cslpwf"},
        {[](WidgetController& c, const SettingRecord&) { c.OnPictureTaken(""); }, "cslpwf"},
        {[](WidgetController& c, const SettingRecord& r) { c.OnOptionsClosed(r); }, "cslpwf"},
        {[](WidgetController& c, const SettingRecord&) { c.OnOptionsClosed({}); }, "w"},
        {[](WidgetController& c, const SettingRecord&) { c.OnFolderDropped("D:\\more"); }, "csf"},
        {[](WidgetController& c, const SettingRecord&) { c.OnQuit(); }, "csre"},
        {[](WidgetController& c, const SettingRecord&) { c.OnWindowsUnloaded(true); }, "csrex"},
        {[](WidgetController& c, const SettingRecord&) {
             c.Modals().Opened(), c.OnWindowsUnloaded(false), c.Modals().Closed();
         },
         "(csree"},
    };
    for (const auto& c : kCases) {
        Widget widget;
        widget.Start();
        c.events(widget.controller, widget.record);
        EXPECT_EQ(widget.windows.log, c.log);
    }
}

// The first window does not wait for the profile: the run day (d) is written once it stands.
TEST(WidgetController, TheStartShowsThePhotoBeforeItKeepsTheRunDay) {
    for (const bool lockHeld : {true, false}) {
        Widget widget;
        widget.controller.OnStarted(lockHeld), widget.controller.OnRunning();
        EXPECT_EQ(widget.windows.log, lockHeld ? "lpwdf" : "lpwf");
    }
    // The session's end can come while the photo is first painted, before the rest of the start.
    Widget widget;
    widget.today = {2024, 6, 10};  // a birthday: the start would announce it
    widget.controller.OnStarted(true), widget.controller.OnWindowsUnloaded(true);
    widget.windows.log.clear();
    widget.controller.OnRunning();
    EXPECT_EQ(widget.windows.log, "") << "nothing written, followed or told after the end";
}

TEST(WidgetController, AMilestoneSleptThroughIsToldWhenTheDayChanges) {
    const struct {
        CalendarDate woken;
        const char* told;
    } kCases[] = {
        {{2024, 6, 12}, "2日前はXの1歳のお誕生日でした"},  // asleep Sunday to Wednesday
        {{2024, 6, 10}, "今日はXの1歳のお誕生日です"},
        {{2024, 6, 9}, ""},
    };
    for (const auto& c : kCases) {
        Widget widget;
        widget.Start();
        widget.today = c.woken;
        widget.controller.OnDayMayHaveChanged();
        EXPECT_EQ(widget.windows.told.empty() ? "" : widget.windows.told.back(), c.told);
        EXPECT_EQ(widget.record.LastRunDay, RunDayText(c.woken));
    }
}

TEST(WidgetController, AProfileThatCannotBeWrittenIsToldOnce) {
    const struct {
        bool lockHeld;
        const char* events;  // the folder's photo saved (S) or failing (F); a picture dropped, failing (D)
        int told;
        int saves;
    } kCases[] = {
        {true, "FFFFF", 1, 5}, {true, "FFSFF", 2, 5}, {true, "FFDD", 3, 4}, {false, "FFFFF", 0, 0}, {false, "D", 1, 1},
    };
    for (const auto& c : kCases) {
        Widget widget;
        widget.Start(c.lockHeld);
        for (const char* event = c.events; *event; ++event)
            widget.windows.failing = *event != 'S',
            *event == 'D' ? widget.controller.OnPictureTaken("C:\\kid.jpg") : widget.controller.OnFolderPhoto(true);
        EXPECT_EQ(widget.windows.told.size(), static_cast<size_t>(c.told)) << c.events;
        EXPECT_EQ(widget.windows.saves, c.saves) << c.events;
    }
}

}  // namespace
