// Wine keeps no display affinity (it reads back none): what can be checked is the call made.
#include <gtest/gtest.h>

#include <vector>

#include "widget/win/CaptureExclusion.h"

namespace {

std::vector<DWORD> g_calls;

BOOL WINAPI RecordAffinity(HWND, DWORD affinity) {
    g_calls.push_back(affinity);
    return TRUE;
}

TEST(CaptureExclusion, ThePhotoWindowIsAskedToStayOutOfCapturesOnlyWhenSet) {
    EXPECT_FALSE(CanExcludeFromCapture()) << "the prefix reports Windows 10 version 1903: the option is greyed";
    HWND window = GetDesktopWindow();
    KeepOutOfCaptures(window, true, false, RecordAffinity);
    KeepOutOfCaptures(window, false, true, RecordAffinity);
    EXPECT_TRUE(g_calls.empty()) << "an older Windows, or a setting without the option, calls nothing";
    KeepOutOfCaptures(window, true, true, RecordAffinity);
    EXPECT_EQ(g_calls, std::vector<DWORD>{0x11});  // WDA_EXCLUDEFROMCAPTURE
}

}  // namespace
