#include <windows.h>
#include <gtest/gtest.h>

// The programs under test are per-monitor DPI aware; so is the driver, so that both see the
// same pixel coordinates.
int main(int argc, char** argv) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
