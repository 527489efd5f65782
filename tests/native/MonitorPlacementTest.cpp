#include <gtest/gtest.h>

#include "widget/core/MonitorPlacement.h"

namespace {

// A primary monitor with the task bar at the bottom, and a second one to its left, higher up.
const std::vector<PixelRect> kTwoMonitors = {{0, 0, 1920, 1040}, {-1280, -200, 1280, 1024}};

TEST(MonitorPlacement, AWindowOverlappingAWorkAreaIsOnAMonitor) {
    const struct {
        PixelRect window;
        bool on;
    } kCases[] = {
        {{100, 100, 160, 120}, true},     {{-1000, 0, 160, 120}, true},  // on the second monitor
        {{1919, 1039, 160, 120}, true},                                  // one pixel on the screen is still reachable
        {{1920, 100, 160, 120}, false},                                  // just right of the primary monitor
        {{100, 1040, 160, 120}, false},                                  // on the task bar's strip only
        {{-1440, 100, 160, 120}, false},                                 // left of the second monitor
        {{-1200, -320, 160, 120}, false},                                // above the second monitor, touching its edge
        {{-1200, -321, 160, 122}, true},  {{500, 500, 0, 0}, true},      // an empty window counts as its top-left pixel
        {{5000, 500, 0, 0}, false},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(IsOnAnyArea(c.window, kTwoMonitors), c.on) << c.window.left << "," << c.window.top;
}

TEST(MonitorPlacement, AWindowOffEveryMonitorComesIntoTheNearestWorkArea) {
    const struct {
        PixelRect window, place;
    } kCases[] = {
        {{100, 100, 160, 120}, {100, 100, 160, 120}},         // on a monitor: left alone
        {{-100, 900, 160, 120}, {-100, 900, 160, 120}},       // partly off: left alone
        {{2500, 300, 160, 120}, {1760, 300, 160, 120}},       // right of the primary monitor
        {{100, 1040, 160, 120}, {100, 920, 160, 120}},        // under the task bar
        {{-3000, 100, 160, 120}, {-1280, 100, 160, 120}},     // far left: the second monitor
        {{-1300, -1000, 160, 120}, {-1280, -200, 160, 120}},  // above the second monitor
        {{-200, 1500, 160, 120}, {0, 920, 160, 120}},         // below both, nearer the primary
        {{-300, 1000, 100, 100}, {-300, 724, 100, 100}},      // below the second monitor, nearer it
        // A window larger than the work area keeps its top-left corner on it.
        {{3000, 3000, 2500, 1500}, {0, 0, 2500, 1500}},
        // Far outside the 16-bit twip range of old profiles: no overflow.
        {{INT32_MAX - 10, INT32_MAX - 10, 160, 120}, {1760, 920, 160, 120}},
        {{INT32_MIN, INT32_MIN, 160, 120}, {-1280, -200, 160, 120}},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(KeepOnMonitors(c.window, kTwoMonitors), c.place) << c.window.left << "," << c.window.top;
}

TEST(MonitorPlacement, TheSameRuleAsAtStartWithOneMonitor) {
    const PixelRect area{0, 0, 1280, 994};
    const PixelRect kWindows[] = {{20000, 100, 160, 120}, {-5000, -3000, 160, 120}, {1280, 994, 160, 120}};
    for (const PixelRect& window : kWindows)
        EXPECT_EQ(KeepOnMonitors(window, {area}), MoveIntoArea(window, area)) << window.left;
}

TEST(MonitorPlacement, WithoutAKnownWorkAreaTheWindowStays) {
    const PixelRect window{5000, 5000, 160, 120};
    EXPECT_EQ(KeepOnMonitors(window, {}), window);
    EXPECT_EQ(KeepOnMonitors(window, {{0, 0, 0, 0}}), window);
    EXPECT_EQ(NearestArea(window, {}), std::nullopt);
    // An empty area is skipped for a real one.
    EXPECT_EQ(KeepOnMonitors(window, {{5000, 5000, 0, 0}, {0, 0, 1024, 768}}), (PixelRect{864, 648, 160, 120}));
}

TEST(MonitorPlacement, NearestAreaPrefersTheLargestOverlapThenTheShortestDistance) {
    EXPECT_EQ(NearestArea({1900, 100, 160, 120}, {{-1280, 0, 1280, 1024}, {0, 0, 1920, 1040}, {1920, 0, 1920, 1040}}),
              (PixelRect{1920, 0, 1920, 1040}));
    EXPECT_EQ(NearestArea({-1000, 1000, 50, 50}, kTwoMonitors), (PixelRect{-1280, -200, 1280, 1024}));
    EXPECT_EQ(NearestArea({-100, 2000, 50, 50}, kTwoMonitors), (PixelRect{0, 0, 1920, 1040}));
    // Equally near: the first in the list.
    EXPECT_EQ(NearestArea({0, -300, 10, 10}, {{-100, 0, 100, 100}, {10, 0, 100, 100}}), (PixelRect{-100, 0, 100, 100}));
}

}  // namespace
