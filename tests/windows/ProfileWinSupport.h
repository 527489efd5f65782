#pragma once
// Shared pieces of the profile tests under Windows: a temporary folder, whole-file access and
// the platform's own profile functions as the reference.
#include <windows.h>

#include <string>
#include <vector>

#include "base/core/Unicode.h"
#include "tests/support/TempFolder.h"

class ProfileTempFolder : public test_support::TempFolder {
public:
    std::wstring WideFile(const std::wstring& name) const { return TempFolder::File(name); }
    std::string File(const std::string& name) const { return Narrow(WideFile(Widen(name))); }
};

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file =
        CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

inline std::string ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string bytes;
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

inline bool FileExists(const std::string& path) {
    return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The platform's read, with a buffer of 1024 characters as the programs use.
inline std::string PlatformRead(const std::string& path,
                                const std::string& section,
                                const std::string& key,
                                const std::string& defaultValue) {
    std::vector<wchar_t> buffer(1024);
    const DWORD n = GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(defaultValue).c_str(),
                                             buffer.data(), static_cast<DWORD>(buffer.size()), Widen(path).c_str());
    return Narrow(std::wstring_view(buffer.data(), n));
}

inline bool PlatformWrite(const std::string& path,
                          const std::string& section,
                          const std::string& key,
                          const std::string& value) {
    return WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                      Widen(path).c_str()) != FALSE;
}

// The platform keeps recently used files in memory: make it read path from the disk again.
inline void PlatformForget(const std::string& path) {
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, Widen(path).c_str());
}

// The folder of this test program, where its helper programs are built.
inline std::wstring TestProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}
