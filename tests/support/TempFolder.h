#pragma once
// A fresh folder under the temporary folder for one test, removed with everything in it
// (read-only files and subfolders too) at the end. Shared by the Windows and end-to-end tests.
#include <windows.h>

#include <stdexcept>
#include <string>

namespace test_support {

class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, base);
        static LONG counter = 0;
        for (;;) {
            m_path = std::wstring(base) + L"pimmo-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                     std::to_wstring(InterlockedIncrement(&counter));
            if (CreateDirectoryW(m_path.c_str(), nullptr))
                break;
            if (GetLastError() != ERROR_ALREADY_EXISTS)
                throw std::runtime_error("cannot create a temporary folder");
        }
    }
    ~TempFolder() { RemoveTree(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

    static void RemoveTree(const std::wstring& path) {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                const std::wstring child = path + L"\\" + name;
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(child);
                else
                    DeleteFileW(child.c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryW(path.c_str());
    }

private:
    std::wstring m_path;
};

}  // namespace test_support
