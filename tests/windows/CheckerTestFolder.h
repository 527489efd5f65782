#pragma once
// A throwaway folder for the checker's tests under Wine, made the current directory while the
// test runs (the checker looks for DLLs and its profile there).
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/TempFolder.h"

namespace Pruvo::test {

class CheckerTestFolder : public ::testing::Test {
protected:
    void SetUp() override {
        m_temp.emplace();
        m_folder = m_temp->Path();
        wchar_t previous[MAX_PATH + 1] = {};
        GetCurrentDirectoryW(MAX_PATH + 1, previous);
        m_previous = previous;
        ASSERT_TRUE(SetCurrentDirectoryW(m_folder.c_str()));
    }

    void TearDown() override {
        SetCurrentDirectoryW(m_previous.c_str());
        m_temp.reset();
    }

    std::wstring File(const std::wstring& name) const { return m_folder + L"\\" + name; }
    const std::wstring& Folder() const { return m_folder; }

    void WriteBytes(const std::wstring& name, const std::string& bytes) const {
        HANDLE file = CreateFileW(File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

    static std::wstring SystemFile(const std::wstring& name) {
        wchar_t folder[MAX_PATH + 1] = {};
        GetSystemDirectoryW(folder, MAX_PATH + 1);
        return std::wstring(folder) + L"\\" + name;
    }

private:
    std::optional<test_support::TempFolder> m_temp;
    std::wstring m_folder;
    std::wstring m_previous;
};

}  // namespace Pruvo::test
