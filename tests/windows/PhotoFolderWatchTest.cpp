#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "base/core/Unicode.h"
#include "tests/e2e/support/PhotoPictures.h"
#include "tests/e2e/support/PhotoTempFolder.h"
#include "widget/core/PhotoFolderScan.h"
#include "widget/win/PhotoFolderJobFiles.h"
#include "widget/win/PhotoFolderWatch.h"

namespace {

constexpr UINT kChanged = WM_APP + 1;
constexpr uint32_t kGeneration = 7;

// The watch's next message within the time: its change, or nullopt.
std::optional<FolderChange> NextChange(HWND window, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    MSG message{};
    while (GetTickCount64() < end) {
        if (PeekMessageW(&message, window, kChanged, kChanged, PM_REMOVE)) {
            EXPECT_EQ(message.wParam, kGeneration);
            return static_cast<FolderChange>(message.lParam);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_POSTMESSAGE);
    }
    return std::nullopt;
}

class PhotoFolderWatchTest : public testing::Test {
protected:
    void SetUp() override {
        m_window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        m_watch.Stop();
        DestroyWindow(m_window);
    }
    void Watch(const std::wstring& folder, bool subfolders = false) {
        ASSERT_TRUE(m_watch.Start(Narrow(folder), subfolders, kGeneration, m_window, kChanged));
        Sleep(200);  // the watch is listening
    }

    photo_test::PhotoTempFolder m_folder;
    HWND m_window = nullptr;
    PhotoFolderWatch m_watch;
};

// The strictest writer opens the photo for itself alone, again and again while it copies: the
// watch never makes one of its opens fail, nor its rename, and tells of the photo once it is done.
// A file that is no picture costs nothing.
TEST_F(PhotoFolderWatchTest, AWriterIsNeverKeptFromItsPhotoAndOnlyPicturesCount) {
    Watch(m_folder.Path());
    const std::wstring part = m_folder.File(L"IMG_1.jpg.part"), photo = m_folder.File(L"IMG_1.jpg");
    int refused = 0;
    for (int i = 0; i < 40; ++i) {
        HANDLE file = CreateFileW(photo.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
        refused += file == INVALID_HANDLE_VALUE ? 1 : 0;
        DWORD written = 0;
        WriteFile(file, "0123456789", 10, &written, nullptr);
        CloseHandle(file);
        Sleep(30);
    }
    EXPECT_EQ(refused, 0) << "the writer's own opens";
    EXPECT_TRUE(MoveFileW(photo.c_str(), part.c_str()) && MoveFileW(part.c_str(), photo.c_str()));
    EXPECT_EQ(NextChange(m_window, 2000), FolderChange::Changed);
    while (NextChange(m_window, 1000)) {  // the photo renamed back settles too
    }
    photo_test::WriteFileBytes(m_folder.File(L"notes.txt"), "text");
    DeleteFileW(m_folder.File(L"notes.txt").c_str());
    EXPECT_EQ(NextChange(m_window, 800), std::nullopt) << "a text file is no photo";
}

// A drive's root, as a user picks it ("C:\\"), is watched and scanned as the root, not as the
// drive's current folder.
TEST_F(PhotoFolderWatchTest, ADriveRootIsWatchedAsTheRoot) {
    const std::wstring photo = L"C:\\pimmo-root-" + std::to_wstring(GetCurrentProcessId()) + L".png";
    Watch(L"C:\\");
    photo_test::WriteFileBytes(photo, "png");
    EXPECT_EQ(NextChange(m_window, 2000), FolderChange::Changed);
    const PhotoFolderScan scan = ScanPhotoFolder("C:\\", false, {});
    DeleteFileW(photo.c_str());
    EXPECT_EQ(scan.reach, FolderReach::Complete);
    EXPECT_TRUE(std::any_of(scan.photos.begin(), scan.photos.end(),
                            [&](const PhotoEntry& entry) { return Widen(entry.name) == photo.substr(3); }));
}

// A sub-folder that goes away while the folder is listed (a share that drops) leaves the listing
// incomplete: the scan says unreachable rather than a folder without those photos.
TEST_F(PhotoFolderWatchTest, AListingThatFailsPartWayIsNoListing) {
    for (const wchar_t* sub : {L"\\a", L"\\z"}) {
        ASSERT_TRUE(CreateDirectoryW((m_folder.Path() + sub).c_str(), nullptr));
        photo_test::WriteFileBytes(m_folder.Path() + sub + L"\\p.png", "png");
    }
    bool removed = false;
    const PhotoFolderScan scan = ScanPhotoFolder(Narrow(m_folder.Path()), true, {}, [&] {
        if (!removed) {
            removed = true;
            DeleteFileW(m_folder.File(L"z\\p.png").c_str());
            RemoveDirectoryW(m_folder.File(L"z").c_str());
        }
        return false;
    });
    ASSERT_TRUE(removed);
    EXPECT_EQ(scan.reach, FolderReach::Unreachable);
    EXPECT_EQ(ScanPhotoFolder(Narrow(m_folder.Path()), true, {}).reach, FolderReach::Complete);
}

// A photo library nested deeper than MAX_PATH is listed, read and its photo found.
TEST(PhotoFolderReach, APathOf300CharactersIsListed) {
    photo_test::PhotoTempFolder base;
    std::wstring folder = base.Path();
    std::vector<std::wstring> made;
    while (folder.size() < 300) {
        folder += L"\\" + std::wstring(40, L'd');
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr)) << GetLastError();
        made.push_back(folder);
    }
    photo_test::WriteFileBytes(L"\\\\?\\" + folder + L"\\IMG_1.png", "png");
    const PhotoFolderScan deep = ScanPhotoFolder(Narrow(folder), false, {});
    const PhotoFolderScan above = ScanPhotoFolder(Narrow(base.Path()), true, {});
    DeleteFileW((L"\\\\?\\" + folder + L"\\IMG_1.png").c_str());
    for (auto it = made.rbegin(); it != made.rend(); ++it)
        RemoveDirectoryW((L"\\\\?\\" + *it).c_str());
    EXPECT_EQ(deep.reach, FolderReach::Complete);
    ASSERT_EQ(deep.photos.size(), 1u);
    EXPECT_EQ(above.reach, FolderReach::Complete);
    EXPECT_EQ(above.photos.size(), 1u);
}

// A sub-folder sent away (to the Recycle Bin, or elsewhere) takes its photos: the watch tells.
TEST_F(PhotoFolderWatchTest, ASubFolderMovedOutIsARescan) {
    photo_test::PhotoTempFolder elsewhere;
    const std::wstring trip = m_folder.File(L"2024.05 Trip");
    ASSERT_TRUE(CreateDirectoryW(trip.c_str(), nullptr));
    photo_test::WriteFileBytes(trip + L"\\IMG_1.png", "png");
    Watch(m_folder.Path(), true);
    ASSERT_TRUE(MoveFileW(trip.c_str(), elsewhere.File(L"2024.05 Trip").c_str()));
    EXPECT_EQ(NextChange(m_window, 2000), FolderChange::Changed);
    EXPECT_TRUE(m_watch.TakeNews().rescan);
}

// A program that holds the index for a moment (a virus scanner) delays its write; one that
// holds it longer leaves the old index whole and no temporary file behind.
TEST(PhotoFolderReach, TheIndexIsWrittenPastAShortHold) {
    photo_test::PhotoTempFolder folder;
    const std::wstring index = folder.File(L"pmCache1.idx");
    photo_test::WriteFileBytes(index, "old");
    for (const DWORD holdMs : {150u, 3000u}) {
        HANDLE held = CreateFileW(index.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        std::thread release([held, holdMs] {
            Sleep(holdMs);
            CloseHandle(held);
        });
        const bool written = WriteFileInPlace(Narrow(index), "new");
        release.join();
        EXPECT_EQ(written, holdMs < 300) << holdMs;
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW(folder.File(L"*.new").c_str(), &found);
        EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "no temporary file stays";
        if (search != INVALID_HANDLE_VALUE)
            FindClose(search);
    }
}

}  // namespace
