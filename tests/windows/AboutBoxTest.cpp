#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

#include "common/core/VersionText.h"
#include "common/win/AboutBox.h"
#include "common/win/CommonResource.h"
#include "common/win/ProgramVersion.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;

// A program of the build, loaded for its resources only: its code never runs here.
struct LoadedProgram {
    explicit LoadedProgram(const wchar_t* relativePath) {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring path = self;
        path = path.substr(0, path.find_last_of(L'\\')) + L"\\..\\..\\" + relativePath;
        module = LoadLibraryExW(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    }
    ~LoadedProgram() {
        if (module)
            FreeLibrary(module);
    }
    HMODULE module = nullptr;
};

const struct {
    const wchar_t* program;
    const char* productName;
    const char* versionText;
} kPrograms[] = {
    {L"widget\\pimmo.exe", "Pimmo for Windows", "Version 1.10"},
    {L"manager\\house.exe", "Pimmoハウス", "Version 1.11"},
};

TEST(AboutBox, ShowsEachProgramsOwnNameVersionAndIcon) {
    for (const auto& expected : kPrograms) {
        LoadedProgram program(expected.program);
        ASSERT_TRUE(program.module) << expected.versionText;
        const auto version = ReadProgramVersion(program.module);
        ASSERT_TRUE(version);
        EXPECT_EQ(version->productName, expected.productName);
        EXPECT_EQ(VersionText(version->major, version->minor, version->revision), expected.versionText);
        const HICON icon = LoadFirstIcon(program.module);
        EXPECT_NE(icon, nullptr) << expected.versionText;
        DestroyIcon(icon);
    }
}

std::wstring Text(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

BOOL CALLBACK KeepAboutBox(HWND window, LPARAM found) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId() || !IsWindowVisible(window) || !GetDlgItem(window, IDC_ABOUT_VERSION))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The About box or splash of this process, looked for from another thread.
HWND WaitForAboutBox() {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kTimeoutMs; Sleep(20)) {
        HWND found = nullptr;
        EnumWindows(KeepAboutBox, reinterpret_cast<LPARAM>(&found));
        if (found)
            return found;
    }
    return nullptr;
}

struct SeenBox {
    std::wstring caption;
    std::wstring version;
    LONG style = 0;
    bool stayed = false;
};

// Watches the box on another thread while it runs modally on this one; closes it with OK.
SeenBox Watch(const std::function<void()>& show) {
    SeenBox seen;
    std::thread watcher([&] {
        HWND box = WaitForAboutBox();
        if (!box)
            return;
        seen.caption = Text(box);
        seen.version = Text(GetDlgItem(box, IDC_ABOUT_VERSION));
        seen.style = GetWindowLongW(box, GWL_STYLE);
        Sleep(800);
        seen.stayed = IsWindow(box) && IsWindowVisible(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    show();
    watcher.join();
    return seen;
}

TEST(AboutBox, PimmosBoxStaysUntilOkAndHousesSplashGoesByItself) {
    LoadedProgram pimmo(L"widget\\pimmo.exe");
    LoadedProgram house(L"manager\\house.exe");
    ASSERT_TRUE(pimmo.module && house.module);

    const SeenBox about = Watch([&] { ShowAboutBox(pimmo.module, nullptr); });
    EXPECT_EQ(about.caption, L"バージョン情報");
    EXPECT_EQ(about.version, L"Version 1.10");
    EXPECT_TRUE(about.stayed) << "the About box closed without OK";

    const DWORD start = GetTickCount();
    const SeenBox splash = Watch([&] { ShowSplash(house.module, 300); });
    EXPECT_EQ(splash.version, L"Version 1.11");
    EXPECT_EQ(splash.style & WS_CAPTION, 0) << "the splash has a title bar";
    EXPECT_FALSE(splash.stayed) << "the splash did not close by itself";
    EXPECT_LT(GetTickCount() - start, 5000u);
}

}  // namespace
