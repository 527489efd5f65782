#include <gtest/gtest.h>

#include <thread>

#include "base/core/Unicode.h"
#include "tests/e2e/support/PhotoPictures.h"
#include "tests/e2e/support/PhotoTempFolder.h"
#include "widget/core/PhotoFolderScan.h"
#include "widget/win/PhotoFolderJobFiles.h"
#include "widget/win/PhotoFolderWatch.h"

namespace {

constexpr UINT kChanged = WM_APP + 1;

bool NextChanged(HWND window, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (MSG message{}; GetTickCount64() < end; MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_POSTMESSAGE))
        if (PeekMessageW(&message, window, kChanged, kChanged, PM_REMOVE))
            return static_cast<FolderChange>(message.lParam) == FolderChange::Changed;
    return false;
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
TEST(PhotoFolderReach, ASubFolderMovedOutIsARescan) {
    photo_test::PhotoTempFolder watched, elsewhere;
    const std::wstring trip = watched.File(L"2024.05 Trip");
    ASSERT_TRUE(CreateDirectoryW(trip.c_str(), nullptr));
    photo_test::WriteFileBytes(trip + L"\\IMG_1.png", "png");
    const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    PhotoFolderWatch watch;
    ASSERT_TRUE(watch.Start(Narrow(watched.Path()), true, 1, window, kChanged));
    Sleep(200);
    ASSERT_TRUE(MoveFileW(trip.c_str(), elsewhere.File(L"2024.05 Trip").c_str()));
    EXPECT_TRUE(NextChanged(window, 2000));
    EXPECT_TRUE(watch.TakeNews().rescan);
    watch.Stop();
    DestroyWindow(window);
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
