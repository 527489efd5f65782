#pragma once
// A widget serving setting 3 from a fresh program folder, with its pictures made on the spot.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "tests/e2e/support/E2e.h"
#include "tests/e2e/support/PhotoDriver.h"
#include "tests/e2e/support/PhotoPictures.h"

namespace photo_e2e {

class PhotoWidget : public testing::Test {
protected:
    static constexpr char kSection[] = "PIMMO3";
    static constexpr char kName[] = "たろう";

    // The setting with a name, a birthday 100 days ago (day 101: no message), the bordered
    // window at 3000, 1500 twips and the picture at its natural size; then the changes.
    void WriteSetting(const SettingValues& changes = {}) {
        SettingValues values = {
            {"LockSetting", ""},
            {"WindowPosition", "0"},
            {"PictureFile", Utf8(m_folder.File(L"kid.bmp"))},
            {"LastWindowTop", "1500"},
            {"LastWindowLeft", "3000"},
            {"LastWindowBorder", "1"},
            {"PimmoName", kName},
            {"PimmoBirthDay", DaysAgo(100)},
            {"IsStretched", "0"},
            {"PictureSize", "160"},
            {"StretchMode", "2"},
            {"IsStretchBmpCashed", "0"},
        };
        for (const auto& [key, value] : changes) {
            auto entry = std::find_if(values.begin(), values.end(), [&](const auto& e) { return e.first == key; });
            if (entry == values.end())
                values.emplace_back(key, value);  // a key the older layout lacks comes last
            else
                entry->second = value;
        }
        WriteSection(m_folder.ProfilePath(), kSection, values);
    }

    std::wstring Picture(const std::wstring& name, const std::string& bytes) {
        photo_test::WriteFileBytes(m_folder.File(name), bytes);
        return m_folder.File(name);
    }

    // Starts the widget and waits for its photo window.
    HWND Start() {
        m_process.emplace(e2e::Process::Start(m_folder.Exe(L"pimmo.exe"), L"/S3"));
        HWND window = WaitForPhotoWindow(m_process->Pid());
        EXPECT_TRUE(window) << "no photo window";
        return window;
    }

    // Ends the widget by closing its window, which saves the setting with the window's place.
    void Close(HWND window) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        ASSERT_TRUE(m_process->WaitExit()) << "the widget did not end";
        m_process.reset();
    }

    std::string Value(const char* key) const {
        return Utf8(e2e::ReadProfileString(m_folder.ProfilePath(), L"PIMMO3", std::wstring(key, key + strlen(key))));
    }

    bool NoMessageBoxFor(DWORD milliseconds) { return !e2e::WaitForMessageBox(m_process->Pid(), milliseconds); }

    static std::string Utf8(const std::wstring& text) {
        int n =
            WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
        std::string out(static_cast<size_t>(n), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
        return out;
    }

    e2e::ProgramFolder m_folder;
    std::optional<e2e::Process> m_process;
};

}  // namespace photo_e2e
