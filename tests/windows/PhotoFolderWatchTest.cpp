#include <gtest/gtest.h>

#include "base/core/Unicode.h"
#include "tests/e2e/support/PhotoPictures.h"
#include "tests/e2e/support/PhotoTempFolder.h"
#include "widget/win/FolderWatch.h"

namespace {

constexpr UINT kChanged = WM_APP + 1, kScanned = WM_APP + 2;

// The first of the two messages to the window within the time, or 0.
UINT NextMessage(HWND window, DWORD timeoutMs, WPARAM* wParam = nullptr) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    MSG message{};
    while (GetTickCount64() < end) {
        if (PeekMessageW(&message, window, kChanged, kScanned, PM_REMOVE))
            return wParam ? (*wParam = message.wParam, message.message) : message.message;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_POSTMESSAGE);
    }
    return 0;
}

TEST(FolderWatch, APictureIsAnnouncedOnceWrittenAndTheScanComesBack) {
    photo_test::PhotoTempFolder folder;
    const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    FolderWatch watch;
    ASSERT_TRUE(watch.Start(Narrow(folder.Path()), false, window, kChanged));
    Sleep(200);  // the watch is listening
    HANDLE file = CreateFileW(folder.File(L"new.JPG").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              0, nullptr);
    DWORD written = 0;
    WriteFile(file, "\xFF\xD8 half", 7, &written, nullptr);
    EXPECT_EQ(NextMessage(window, 1000), 0u) << "a picture still being written is waited for";
    CloseHandle(file);
    EXPECT_EQ(NextMessage(window, 2000), kChanged);

    FolderScanJob scan;
    ASSERT_TRUE(scan.Start(Narrow(folder.Path()), false, window, kScanned));
    WPARAM number = 0;
    ASSERT_EQ(NextMessage(window, 5000, &number), kScanned);
    const auto result = scan.TakeResult(number);
    ASSERT_TRUE(result && result->reachable);
    ASSERT_EQ(result->photos.size(), 1u);
    EXPECT_EQ(result->photos[0].name, "new.JPG");
    watch.Stop();
    DestroyWindow(window);
}

}  // namespace
