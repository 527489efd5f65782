#include <gtest/gtest.h>

#include <cstdio>

#include "tests/e2e/support/E2e.h"

using namespace e2e;

namespace {

const std::wstring kTitle = L"Pimmo for Windows";
const std::wstring kWizardCaption = L"Pimmo for Windowsの設定";

std::string TodayText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", now.wYear, now.wMonth, now.wDay);
    return text;
}

class WidgetStartup : public testing::Test {
protected:
    Process Pimmo(const std::wstring& arguments) { return Process::Start(m_folder.Exe(L"pimmo.exe"), arguments); }

    std::wstring Value(const std::wstring& section, const std::wstring& key) {
        return ReadProfileString(m_folder.ProfilePath(), section, key);
    }

    // Runs pimmo to its end: a mode that ends by itself, or show mode ended through its
    // regular exit (the photo window is closed). The wizard of a new setting is closed as it
    // stands, which keeps the new setting's defaults.
    void RunToEnd(const std::wstring& arguments) {
        Process pimmo = Pimmo(arguments);
        bool ended = WaitUntil([&] {
            if (!pimmo.IsRunning())
                return true;
            for (HWND window : TopLevelWindows(pimmo.Pid()))
                if (ClassName(window) == L"PimmoFormBd" || ClassName(window) == L"PimmoFormBl" ||
                    WindowText(window) == kWizardCaption)
                    PostMessageW(window, WM_CLOSE, 0, 0);
            return false;
        });
        ASSERT_TRUE(ended) << "pimmo " << std::string(arguments.begin(), arguments.end()) << " did not end";
    }

    void ExpectRefusal(const std::wstring& arguments, const std::wstring& text) {
        const std::string before = ReadFileBytes(m_folder.ProfilePath());
        Process pimmo = Pimmo(arguments);
        auto box = WaitForMessageBox(pimmo.Pid());
        ASSERT_TRUE(box) << "no message box";
        EXPECT_EQ(box->caption, kTitle);
        EXPECT_EQ(box->text, text);
        EXPECT_EQ(box->icon, MessageIcon::Exclamation);
        EXPECT_EQ(box->buttons, std::vector<std::wstring>{L"OK"});
        PressButton(box->window, L"OK");
        EXPECT_TRUE(pimmo.WaitExit());
        EXPECT_EQ(ReadFileBytes(m_folder.ProfilePath()), before) << "a refused start changed the profile";
    }

    ProgramFolder m_folder;
};

TEST_F(WidgetStartup, LockedSettingIsRefusedWithTheMessageOfItsSwitch) {
    WriteFileBytes(m_folder.ProfilePath(), "[PIMMO3]\r\nLockSetting=locked\r\nPimmoName=X\r\n");
    ExpectRefusal(L"/i3", L"この設定のPimmoは起動中です。\r\n終了してから設定を変更してください");
    ExpectRefusal(L"/d3", L"この設定のPimmoは起動中です。\r\n終了してから設定を削除してください");
    ExpectRefusal(L"/s3", L"同じ設定で二重起動することはできません");
    WriteFileBytes(m_folder.ProfilePath(), "[Pimmo3]\r\nLockSetting=1\r\n");
    ExpectRefusal(L"/S 3", L"同じ設定で二重起動することはできません");
}

TEST_F(WidgetStartup, EditModeWritesANewSettingInTheKnownLayoutAndFreesTheLock) {
    Process pimmo = Pimmo(L"/i3");
    // The wizard closed without 設定完了: the new setting is saved all the same.
    HWND wizard = WaitForWindow(pimmo.Pid(), [](HWND window) { return WindowText(window) == kWizardCaption; });
    ASSERT_TRUE(wizard) << "no wizard";
    PostMessageW(wizard, WM_CLOSE, 0, 0);
    ASSERT_EQ(pimmo.WaitExit(), 0u);
    EXPECT_EQ(ReadFileBytes(m_folder.ProfilePath()),
              "[PIMMO3]\r\nLockSetting=\r\nWindowPosition=0\r\nPictureFile=\r\nLastWindowTop=0\r\n"
              "LastWindowLeft=0\r\nLastWindowBorder=1\r\nPimmoName=Pimmo\r\nPimmoBirthDay=" +
                  TodayText() + "\r\nIsStretched=0\r\nPictureSize=160\r\nStretchMode=2\r\nIsStretchBmpCashed=0\r\n");
}

TEST_F(WidgetStartup, DeleteModeEmptiesExactlyTheElevenKeys) {
    WriteFileBytes(m_folder.ProfilePath(),
                   "[PimmoHouse]\r\nNumbersOfSettings=1\r\n[Pimmo7]\r\nLockSetting=\r\nWindowPosition=1\r\n"
                   "PictureFile=C:\\a.jpg\r\nLastWindowTop=15\r\nLastWindowLeft=30\r\nLastWindowBorder=0\r\n"
                   "PimmoName=Hanako\r\nPimmoBirthDay=2001/02/03\r\nIsStretched=1\r\nPictureSize=240\r\n"
                   "StretchMode=1\r\nIsStretchBmpCashed=1\r\nNote=kept\r\n");
    Process pimmo = Pimmo(L"/D7");
    ASSERT_EQ(pimmo.WaitExit(), 0u);
    EXPECT_EQ(ReadFileBytes(m_folder.ProfilePath()),
              "[PimmoHouse]\r\nNumbersOfSettings=1\r\n[Pimmo7]\r\nLockSetting=\r\nWindowPosition=\r\n"
              "PictureFile=\r\nLastWindowTop=\r\nLastWindowLeft=\r\nLastWindowBorder=\r\n"
              "PimmoName=\r\nPimmoBirthDay=\r\nIsStretched=\r\nPictureSize=\r\n"
              "StretchMode=\r\nIsStretchBmpCashed=\r\nNote=kept\r\n");
}

TEST_F(WidgetStartup, ArgumentFormsServeTheirSetting) {
    const struct {
        const wchar_t* arguments;
        const wchar_t* section;
    } kCases[] = {{L"/s3", L"PIMMO3"}, {L"/S 3", L"PIMMO3"}, {L"/S", L"PIMMO"}, {L"/S0", L"PIMMO"},
                  {L"abc", L"PIMMO"},  {L"/X5", L"PIMMO"},   {L"", L"PIMMO"},   {L"/I", L"PIMMO"},
                  {L"/D", L"PIMMO"},   {L"/s-2", L"PIMMO-2"}};
    for (const auto& c : kCases) {
        DeleteFileW(m_folder.ProfilePath().c_str());
        RunToEnd(c.arguments);
        EXPECT_EQ(Value(c.section, L"PimmoName"), L"Pimmo") << c.section;
        EXPECT_EQ(Value(c.section, L"LockSetting"), L"") << c.section;
    }
}

TEST_F(WidgetStartup, UnreadableNumberOnTheCommandLineEndsBeforeAnyFileIsTouched) {
    for (const wchar_t* arguments : {L"/Sabc", L"/i40000", L"/D 1x"}) {
        Process pimmo = Pimmo(arguments);
        auto box = WaitForMessageBox(pimmo.Pid());
        ASSERT_TRUE(box);
        EXPECT_EQ(box->caption, kTitle);
        EXPECT_NE(box->text.find(L"設定番号"), std::wstring::npos);
        PressButton(box->window, L"OK");
        EXPECT_TRUE(pimmo.WaitExit());
        EXPECT_FALSE(FileExists(m_folder.ProfilePath()));
    }
}

TEST_F(WidgetStartup, HandEditedSectionThatCannotBeReadIsNamedAndLeftUnlocked) {
    const std::string section =
        "[PIMMO4]\r\nPimmoName=Taro\r\nPictureSize=big\r\nPimmoBirthDay=2001/02/03\r\nIsStretched=1\r\n";
    WriteFileBytes(m_folder.ProfilePath(), section);
    Process pimmo = Pimmo(L"/s4");
    auto box = WaitForMessageBox(pimmo.Pid());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, kTitle);
    for (const std::wstring& part :
         {m_folder.ProfilePath(), std::wstring(L"[PIMMO4]"), std::wstring(L"PictureSize"), std::wstring(L"big")})
        EXPECT_NE(box->text.find(part), std::wstring::npos) << "message lacks the key facts";
    PressButton(box->window, L"OK");
    EXPECT_TRUE(pimmo.WaitExit());
    EXPECT_EQ(ReadFileBytes(m_folder.ProfilePath()), section + "LockSetting=\r\n");
}

}  // namespace
