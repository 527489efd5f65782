// The Start menu's help: pimmo /H shows the help viewer at the widget's topic and leaves the
// program folder as it was; the viewer is driven from the keyboard.
#include <gtest/gtest.h>

#include "tests/e2e/support/E2e.h"

using namespace e2e;

namespace {

constexpr int kText = 1101, kTopics = 1102;

INPUT Key(WORD key, wchar_t character, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key, input.ki.wScan = character, input.ki.dwFlags = flags;
    return input;
}

// Presses the keys together (a chord), then types the text.
void Type(const std::vector<WORD>& keys, const std::wstring& text = L"") {
    std::vector<INPUT> inputs;
    for (bool up : {false, true})
        for (size_t i = 0; i < keys.size(); ++i)
            inputs.push_back(Key(keys[up ? keys.size() - 1 - i : i], 0, up ? KEYEVENTF_KEYUP : 0u));
    for (wchar_t c : text)
        for (DWORD flags : {KEYEVENTF_UNICODE, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP})
            inputs.push_back(Key(0, c, flags));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

TEST(WidgetHelp, HelpSwitchShowsTheTopicsAndWritesNoByteOfTheProfile) {
    ProgramFolder folder;
    CopyFileW((BinDir() + L"\\widget\\pimmo.hlp").c_str(), folder.File(L"pimmo.hlp").c_str(), FALSE);
    const std::string profile = "[PIMMO]\r\nLockSetting=\r\nPimmoName=Hanako\r\n";
    WriteFileBytes(folder.ProfilePath(), profile);
    Process pimmo = Process::Start(folder.Exe(L"pimmo.exe"), L"/H");
    HWND viewer = WaitForWindow(pimmo.Pid(), [](HWND window) { return GetDlgItem(window, kText) != nullptr; });
    ASSERT_TRUE(viewer) << "no help viewer";
    EXPECT_EQ(WindowText(viewer), L"Pimmo for Windows の使い方");
    EXPECT_EQ(SendDlgItemMessageW(viewer, kTopics, LB_GETCOUNT, 0, 0), 2);
    const std::wstring text = WindowText(GetDlgItem(viewer, kText));
    EXPECT_NE(text.find(L"置いておく小さなウィンドウです。ふちのある"), std::wstring::npos) << "a paragraph flows";
    EXPECT_NE(text.find(L"\r\n■ オプション\r\n"), std::wstring::npos) << "a heading keeps its line";
    EXPECT_NE(text.find(L"\r\n 1. 「Pimmoの名前」"), std::wstring::npos) << "a list keeps its lines";

    SetForegroundWindow(viewer);
    Type({VK_DOWN});
    EXPECT_TRUE(WaitUntil([&] { return WindowText(viewer) == L"Pimmoハウス の使い方"; })) << "Down: the next topic";
    Type({VK_CONTROL, 'F'}, L"pimmo /d");
    Type({VK_RETURN});
    EXPECT_TRUE(WaitUntil([&] { return WindowText(viewer) == L"Pimmo for Windows の使い方"; })) << "found in topic 0";
    DWORD start = 0, end = 0;
    SendDlgItemMessageW(viewer, kText, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(WindowText(GetDlgItem(viewer, kText)).substr(start, end - start), L"pimmo /D");

    RECT before{}, after{};
    GetWindowRect(GetDlgItem(viewer, kText), &before);
    PostMessageW(viewer, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsZoomed(viewer) != FALSE; }));
    GetWindowRect(GetDlgItem(viewer, kText), &after);
    EXPECT_GT(after.right - after.left, before.right - before.left) << "the text takes the new width";
    Type({VK_ESCAPE});
    EXPECT_EQ(pimmo.WaitExit(), 0u);
    EXPECT_EQ(ReadFileBytes(folder.ProfilePath()), profile);
}

}  // namespace
