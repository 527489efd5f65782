// A picture dropped on a folder widget while its first scan of a big folder runs stays: shown,
// and in the profile, after the scan has ended.
#include <windows.h>

#include "tests/e2e/support/PhotoFixture.h"

using namespace photo_e2e;
using namespace photo_test;

namespace {

class PhotoFolderDrop : public PhotoWidget {
protected:
    std::wstring Photos() const { return m_folder.File(L"photos"); }
    bool ShowsSize(HWND window, SIZE size) const {
        const SIZE now = Size(InnerRect(window));
        return now.cx == size.cx && now.cy == size.cy;
    }
    void StartOnTheFolder() {
        DeleteFileW(m_folder.File(L"pmCache3.idx").c_str());  // every start scans the whole folder
        WriteSetting({{"PictureFile", Utf8(Photos() + L"\\a.jpg")},
                      {"PictureFolder", Utf8(Photos())},
                      {"PictureOrder", "1"},
                      {"PictureSubfolders", "1"}});
    }
};

TEST_F(PhotoFolderDrop, APictureDroppedWhileTheFirstScanRunsStays) {
    const std::string taken = "\xFF\xD8" + ExifSegment(1, false, 3, "2023:05:01 10:00:00") + "\xFF\xD9";
    ASSERT_TRUE(CreateDirectoryW(Photos().c_str(), nullptr));
    for (int month = 0; month < 10; ++month) {
        const std::wstring folder = Photos() + L"\\" + std::to_wstring(202001 + month);
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        for (int i = 0; i < 400; ++i)
            WriteFileBytes(folder + L"\\IMG_" + std::to_wstring(100000 + i) + L".jpg", taken);
    }
    auto takenJpeg = [](int w, int h, const char* date) {
        const std::string jpeg = QuadrantJpeg(w, h);
        return jpeg.substr(0, 2) + ExifSegment(1, false, 3, date) + jpeg.substr(2);
    };
    WriteFileBytes(Photos() + L"\\a.jpg", takenJpeg(64, 48, "2022:01:01 10:00:00"));
    WriteFileBytes(Photos() + L"\\z.jpg", takenJpeg(96, 32, "2024:01:01 10:00:00"));
    const std::wstring kid = Picture(L"kid.jpg", QuadrantJpeg(200, 100));

    // Undisturbed, the first scan shows the folder's newest photo: how long it takes.
    StartOnTheFolder();
    HWND window = Start();
    ASSERT_TRUE(window);
    const ULONGLONG begin = GetTickCount64();
    ASSERT_TRUE(e2e::WaitUntil([&] { return ShowsSize(window, {96, 32}); }, 120000)) << "the scan showed no photo";
    const DWORD scanMs = static_cast<DWORD>(GetTickCount64() - begin);
    Close(window);

    // Dropped while it runs, the picture outlasts it, twice over.
    StartOnTheFolder();
    window = Start();
    ASSERT_TRUE(window);
    ASSERT_TRUE(DropFiles(PhotoControl(window), {kid}));
    ASSERT_TRUE(e2e::WaitUntil([&] { return ShowsSize(window, {200, 100}); }, 10000));
    EXPECT_FALSE(e2e::WaitUntil(
        [&] {
            return !ShowsSize(window, {200, 100});
        },
        2 * scanMs + 2000))
        << "the scan took the folder's photo back";
    EXPECT_EQ(Value("PictureFile"), Utf8(kid));
    Close(window);
    EXPECT_EQ(Value("PictureFile"), Utf8(kid));
    EXPECT_EQ(Value("PictureOrder"), "0");
}

}  // namespace
