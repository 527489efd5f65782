// A setting that shows a folder's photos: the newest, followed as the folder fills, at a
// family's size too; a folder gone keeps the last photo; the options show and store where the photos come from; a
// section without the folder keys stays byte for byte as it was.
#include <windows.h>

#include <tlhelp32.h>

#include "base/core/UniqueHandles_win.h"
#include "tests/e2e/support/OptionsDriver.h"
#include "tests/e2e/support/PhotoFixture.h"
#include "widget/win/PimmoResource.h"

using namespace photo_e2e;
using namespace photo_test;
using namespace options_e2e;

namespace {

const std::initializer_list<UINT> kOption = {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN};

// A JPEG of w x h taken at the Exif date ("YYYY:MM:DD HH:MM:SS").
std::string TakenJpeg(int w, int h, const std::string& taken) {
    const std::string jpeg = QuadrantJpeg(w, h);
    return jpeg.substr(0, 2) + ExifSegment(1, false, 3, taken) + jpeg.substr(2);
}

SIZE BmpSize(const std::string& bytes) {
    auto at = [&](size_t i) { return static_cast<uint8_t>(bytes[i]) | static_cast<uint8_t>(bytes[i + 1]) << 8; };
    return bytes.size() < 26 ? SIZE{} : SIZE{at(18), at(22)};
}

class PhotoFolder : public PhotoWidget {
protected:
    std::wstring Photos() const { return m_folder.File(L"photos"); }
    std::wstring Photo(const wchar_t* name) const { return Photos() + L"\\" + name; }
    SIZE CacheSize() const { return BmpSize(e2e::ReadFileBytes(m_folder.File(L"pmCache3.bmp"))); }
    bool WaitInnerSize(HWND window, SIZE size, DWORD timeoutMs = e2e::kWindowTimeoutMs) {
        return e2e::WaitUntil(
            [&] {
                SIZE now = Size(InnerRect(window));
                return now.cx == size.cx && now.cy == size.cy;
            },
            timeoutMs);
    }
    void WriteFolderSetting(const char* order, const char* subfolders) {
        WriteSetting({{"PictureFile", Utf8(Photo(L"a.jpg"))},
                      {"IsStretched", "1"},
                      {"PictureFolder", Utf8(Photos())},
                      {"PictureOrder", order},
                      {"PictureSubfolders", subfolders}});
    }
};

TEST_F(PhotoFolder, TheNewestPhotoFollowsTheFolderAndAFolderGoneKeepsTheLast) {
    ASSERT_TRUE(CreateDirectoryW(Photos().c_str(), nullptr));
    WriteFileBytes(Photo(L"a.jpg"), TakenJpeg(640, 480, "2024:01:01 10:00:00"));
    WriteFileBytes(Photo(L"b.jpg"), TakenJpeg(240, 320, "2024:06:01 10:00:00"));
    const std::string broken = TakenJpeg(640, 480, "2025:01:01 10:00:00");
    WriteFileBytes(Photo(L"broken.jpg"), broken.substr(0, broken.size() / 3));
    WriteFolderSetting("1", "0");
    HWND window = Start();
    ASSERT_TRUE(window);
    EXPECT_TRUE(WaitInnerSize(window, {120, 160})) << "the newest whole photo, b.jpg, scaled";
    EXPECT_TRUE(e2e::WaitUntil([&] { return Value("PictureFile") == Utf8(Photo(L"b.jpg")); }));
    EXPECT_EQ(CacheSize().cx, 120);

    // A newer photo copied in shows within 2 s of being completely written.
    WriteFileBytes(Photo(L"c.jpg"), TakenJpeg(480, 240, "2024:09:01 10:00:00"));
    EXPECT_TRUE(WaitInnerSize(window, {160, 80}, 2000)) << "c.jpg did not show within 2 s";
    EXPECT_TRUE(e2e::WaitUntil([&] { return CacheSize().cy == 80; })) << "the cache follows the shown photo";
    Close(window);
    EXPECT_EQ(Value("PictureFile"), Utf8(Photo(L"c.jpg")));
    EXPECT_EQ(Value("IsStretchBmpCashed"), "1");

    // The folder is gone (a drive unplugged): the last photo stays, from its cache, unasked.
    ASSERT_TRUE(MoveFileW(Photos().c_str(), m_folder.File(L"away").c_str()));
    window = Start();
    ASSERT_TRUE(window);
    EXPECT_TRUE(WaitInnerSize(window, {160, 80}));
    EXPECT_TRUE(NoMessageBoxFor(1500));
    EXPECT_EQ(Size(InnerRect(window)).cx, 160);
    Close(window);
    EXPECT_EQ(Value("PictureFile"), Utf8(Photo(L"c.jpg")));
    EXPECT_EQ(Value("PictureFolder"), Utf8(Photos()));
}

// How many threads the process runs now.
int ThreadCount(DWORD pid) {
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more; more = Thread32Next(snapshot.Get(), &entry))
        count += entry.th32OwnerProcessID == pid ? 1 : 0;
    return count;
}

// A phone's camera roll: 20,000 photos in folders by month, then 200 more copied in one by one. The widget keeps a
// bounded number of threads, and the last photo, the newest, shows within 2 s of its copy.
TEST_F(PhotoFolder, TwoHundredPhotosArriveInAFolderOfTwentyThousand) {
    ASSERT_TRUE(CreateDirectoryW(Photos().c_str(), nullptr));
    const std::string filler = "\xFF\xD8" + ExifSegment(1, false, 3, "2023:05:01 10:00:00") + "\xFF\xD9";
    // By month, as phones and sync tools keep them (a name new to a large folder costs Wine a
    // look through the whole folder, so one folder of 20,000 would take minutes to make).
    for (int month = 0; month < 50; ++month) {
        const std::wstring folder = Photos() + L"\\" + std::to_wstring(202001 + month);
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        for (int i = 0; i < 400; ++i)
            WriteFileBytes(folder + L"\\IMG_" + std::to_wstring(100000 + i) + L".jpg", filler);
    }
    WriteFileBytes(Photo(L"a.jpg"), TakenJpeg(64, 48, "2023:12:31 10:00:00"));
    const std::wstring arrivals = m_folder.File(L"arrivals");
    ASSERT_TRUE(CreateDirectoryW(arrivals.c_str(), nullptr));
    for (int i = 0; i < 200; ++i) {
        char taken[32];
        std::snprintf(taken, sizeof taken, "2024:01:01 %02d:%02d:00", i / 60, i % 60);
        WriteFileBytes(arrivals + L"\\NEW_" + std::to_wstring(i) + L".jpg",
                       i == 199 ? TakenJpeg(96, 32, taken) : TakenJpeg(64, 48, taken));
    }
    WriteSetting(
        {{"PictureFile", ""}, {"PictureFolder", Utf8(Photos())}, {"PictureOrder", "1"}, {"PictureSubfolders", "1"}});
    HWND window = Start();
    ASSERT_TRUE(window);
    ASSERT_TRUE(WaitInnerSize(window, {64, 48}, 120000)) << "the first scan did not show a.jpg";
    int threads = ThreadCount(m_process->Pid());
    for (int i = 0; i < 200; ++i) {
        const std::wstring name = L"\\NEW_" + std::to_wstring(i) + L".jpg";
        ASSERT_TRUE(CopyFileW((arrivals + name).c_str(), (Photos() + name).c_str(), TRUE));
        threads = std::max(threads, ThreadCount(m_process->Pid()));
        Sleep(10);
    }
    EXPECT_TRUE(WaitInnerSize(window, {96, 32}, 2000)) << "the last photo did not show within 2 s";
    EXPECT_LE(threads, 16) << "threads while the photos arrived";
    Close(window);
    EXPECT_EQ(Value("PictureFile"), Utf8(Photo(L"NEW_199.jpg")));
}

TEST_F(PhotoFolder, TheOptionsShowAndStoreWhereThePhotosComeFrom) {
    ASSERT_TRUE(CreateDirectoryW(Photos().c_str(), nullptr));
    WriteFileBytes(Photo(L"a.jpg"), TakenJpeg(64, 48, "2024:01:01 10:00:00"));
    WriteFolderSetting("2", "1");
    HWND window = Start();
    // The menu opens once the first scan is taken (its day stored), so the two do not race.
    ASSERT_TRUE(e2e::WaitUntil([&] { return !Value("PictureDay").empty(); })) << "one a day stored no day";
    ASSERT_TRUE(RunMenu(m_process->Pid(), PhotoControl(window), kOption));
    HWND dialog = WaitForOptionsDialog(m_process->Pid());
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(IsShown(dialog, IDC_CommandSelectFolder));
    EXPECT_EQ(EntryCount(dialog, IDC_PimmoPictureOrder), 5);
    EXPECT_EQ(EntryText(dialog, IDC_PimmoPictureOrder, 2), L"フォルダーの写真を毎日ひとつずつ");
    EXPECT_EQ(EntryText(dialog, IDC_PimmoPictureOrder, 3), L"この日の写真");
    EXPECT_EQ(EntryText(dialog, IDC_PimmoPictureOrder, 4), L"写真を一定の間隔で替える");
    EXPECT_EQ(SelectedEntry(dialog, IDC_PimmoPictureOrder), 2);
    EXPECT_TRUE(IsChecked(dialog, IDC_PimmoPictureSubfolders));
    EXPECT_EQ(e2e::WindowText(e2e::ControlById(dialog, IDC_LabelPictureFolder)), L"フォルダー: " + Photos());
    EXPECT_EQ(e2e::WindowText(e2e::ControlById(dialog, IDC_LabelPictureFile)), Photo(L"a.jpg"));
    SelectEntry(dialog, IDC_PimmoPictureOrder, 1);
    ASSERT_TRUE(e2e::PressButtonId(dialog, IDC_PimmoPictureSubfolders));
    ASSERT_TRUE(e2e::PressButtonId(dialog, IDC_CommandOK));
    ASSERT_TRUE(e2e::WaitWindowGone(dialog));
    Close(window);
    EXPECT_EQ(Value("PictureFolder"), Utf8(Photos()));
    EXPECT_EQ(Value("PictureOrder"), "1");
    EXPECT_EQ(Value("PictureSubfolders"), "0");
}

TEST_F(PhotoFolder, ASectionWithoutFolderKeysShowsItsOneFileAndKeepsItsBytes) {
    Picture(L"kid.bmp", QuadrantBmp(64, 48));
    WriteSetting();
    const std::string before = e2e::ReadFileBytes(m_folder.ProfilePath());
    HWND window = Start();
    EXPECT_TRUE(WaitInnerSize(window, {64, 48}));
    Close(window);
    // Only the day the widget ran joins the section, after the keys it had.
    EXPECT_EQ(e2e::ReadFileBytes(m_folder.ProfilePath()), before + "LastRunDay=" + DaysAgo(0) + "\r\n");
}

}  // namespace
