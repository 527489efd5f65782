#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "base/core/Unicode.h"
#include "manager/win/WaitForLibrary.h"

namespace {

constexpr wchar_t kReleaseEvent[] = L"Local\\PimmoShellAndWaitRelease";
constexpr DWORD kTimeoutMs = 20000;

std::string SelfPath() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return Narrow(path);
}

// The started program: this test program again, running only the child below.
std::string ChildCommandLine() {
    return "\"" + SelfPath() +
           "\" --gtest_also_run_disabled_tests --gtest_filter=ShellAndWaitChild.DISABLED_EndsWhenReleased";
}

// Runs only as the started program: ends when the test releases it (or after the time-out).
TEST(ShellAndWaitChild, DISABLED_EndsWhenReleased) {
    HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, kReleaseEvent);
    ASSERT_NE(release, nullptr);
    WaitForSingleObject(release, kTimeoutMs);
    CloseHandle(release);
}

HWND MakeWindow() {
    return CreateWindowExW(0, L"STATIC", L"waiting", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST(ShellAndWait, WaitsForTheProgramWhileItsWindowIsDisabledButAnswers) {
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, kReleaseEvent);
    HWND window = MakeWindow();
    ASSERT_TRUE(window);
    std::atomic<bool> sawDisabled = false;
    std::atomic<bool> answered = false;
    // Another thread looks at the window while the wait runs, then lets the program end.
    std::thread observer([&] {
        const DWORD start = GetTickCount();
        while (IsWindowEnabled(window) && GetTickCount() - start < kTimeoutMs)
            Sleep(20);
        sawDisabled = !IsWindowEnabled(window);
        DWORD_PTR result = 0;
        answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
        SetEvent(release);
    });
    const DWORD start = GetTickCount();
    EXPECT_TRUE(WaitForLibrary::ShellAndWait(SelfPath(), ChildCommandLine(), SW_HIDE, window));
    observer.join();
    EXPECT_LT(GetTickCount() - start, kTimeoutMs) << "the program was not released by the observer";
    EXPECT_TRUE(sawDisabled) << "the window took input during the wait";
    EXPECT_TRUE(answered) << "the window did not answer during the wait";
    EXPECT_TRUE(IsWindowEnabled(window)) << "the window stayed disabled after the wait";
    DestroyWindow(window);
    CloseHandle(release);
}

TEST(ShellAndWait, AProgramThatCannotStartIsReportedAndNothingIsDisabled) {
    HWND window = MakeWindow();
    ASSERT_TRUE(window);
    const struct { std::string path; } kMissing[] = {{"C:\\no such folder\\pimmo.exe"}, {""}};
    for (const auto& missing : kMissing) {
        EXPECT_FALSE(WaitForLibrary::ShellAndWait(missing.path, "pimmo /i3", SW_SHOWNORMAL, window)) << missing.path;
        EXPECT_FALSE(WaitForLibrary::StartProgram(missing.path, "pimmo /s3", SW_SHOWNORMAL)) << missing.path;
        EXPECT_TRUE(IsWindowEnabled(window));
    }
    DestroyWindow(window);
}

}  // namespace
