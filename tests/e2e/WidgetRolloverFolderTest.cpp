// "One a day" across midnight: the photo of a folder changes once, when the day changes. Runs
// in its own lane under a shifted clock (faketime, a few seconds before midnight).
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/PhotoFixture.h"

namespace photo_e2e {
namespace {

using WidgetRolloverFolder = PhotoWidget;

TEST_F(WidgetRolloverFolder, OneADayChangesThePhotoOnceAtMidnight) {
    wchar_t flag[8] = {};
    if (GetEnvironmentVariableW(L"PIMMO_ROLLOVER", flag, 8) == 0)
        GTEST_SKIP() << "runs in the rollover lane, a few seconds before midnight";
    const std::wstring photos = m_folder.File(L"photos");
    ASSERT_TRUE(CreateDirectoryW(photos.c_str(), nullptr));
    for (int width : {40, 50, 60, 70})
        photo_test::WriteFileBytes(photos + L"\\p" + std::to_wstring(width) + L".bmp",
                                   photo_test::QuadrantBmp(width, 30));
    WriteSetting({{"PictureFile", ""}, {"PictureFolder", Utf8(photos)}, {"PictureOrder", "2"}});
    const std::string today = DaysAgo(0);
    HWND window = Start();
    ASSERT_TRUE(window);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Value("PictureDay") == today && !Value("PictureShown").empty(); }));
    const std::string first = Value("PictureShown");
    EXPECT_EQ(Value("PictureFile"), Utf8(photos) + "\\" + first);

    ASSERT_TRUE(e2e::WaitUntil([&] { return Value("PictureShown") != first; }, 60000)) << "no new photo";
    EXPECT_NE(Value("PictureDay"), today);
    const std::string second = Value("PictureShown");
    const int width = std::stoi(second.substr(1, 2));
    EXPECT_TRUE(e2e::WaitUntil([&] { return Size(InnerRect(window)).cx == width; }));
    Sleep(3000);
    EXPECT_EQ(Value("PictureShown"), second) << "the photo changes once a day";
    Close(window);
}

}  // namespace
}  // namespace photo_e2e
