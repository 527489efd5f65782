#include <cstdlib>
#include <stdexcept>
#include <string>

#include "tests/e2e/support/E2e.h"

namespace e2e {

namespace {

// The build passes its output folder as a path of the build machine; under Wine a Unix
// path is reached through the Z: drive.
std::wstring HostPathToWindows(std::string path) {
    if (!path.empty() && path.front() == '/') {
        for (char& c : path)
            if (c == '/')
                c = '\\';
        path = "Z:" + path;
    }
    return std::wstring(path.begin(), path.end());
}

void CopyOrThrow(const std::wstring& from, const std::wstring& to) {
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE))
        throw std::runtime_error("cannot copy a program into the test folder");
}

}  // namespace

std::wstring BinDir() {
    return HostPathToWindows(PIMMO_BIN_DIR);
}

ProgramFolder::ProgramFolder() {
    const std::wstring bin = BinDir();
    CopyOrThrow(bin + L"\\widget\\pimmo.exe", Exe(L"pimmo.exe"));
    CopyOrThrow(bin + L"\\manager\\house.exe", Exe(L"house.exe"));
    CopyOrThrow(bin + L"\\checker\\pruvo.exe", Exe(L"pruvo.exe"));
}

std::wstring ProgramFolder::ProfilePath() const {
    wchar_t user[256];
    DWORD size = 256;
    if (!GetUserNameW(user, &size))
        return File(L"pimmo.ini");
    return File(std::wstring(user) + L".ini");
}

Process Process::Start(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workingDir) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // A program file a setup has just written can be held for a moment after the setup ended.
    for (int attempt = 0; !CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                          workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &info);
         ++attempt) {
        const DWORD error = GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || attempt == 50)
            throw std::runtime_error("cannot start a program under test (error " + std::to_string(error) + ")");
        Sleep(100);
    }
    CloseHandle(info.hThread);
    return Process(info.hProcess, info.dwProcessId);
}

Process::Process(Process&& other) noexcept : m_process(other.m_process), m_pid(other.m_pid) {
    other.m_process = nullptr;
}

Process::~Process() {
    Kill();
    if (m_process)
        CloseHandle(m_process);
}

std::optional<DWORD> Process::WaitExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(m_process, timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(m_process, &code);
    return code;
}

bool Process::IsRunning() const {
    return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

void Process::Kill() {
    if (!IsRunning())
        return;
    TerminateProcess(m_process, 9);
    WaitForSingleObject(m_process, 10000);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Sleep(50);
    }
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write a test file");
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring ReadProfileString(const std::wstring& file,
                               const std::wstring& section,
                               const std::wstring& key,
                               const std::wstring& fallback) {
    wchar_t value[1024];
    GetPrivateProfileStringW(section.c_str(), key.c_str(), fallback.c_str(), value, 1024, file.c_str());
    return value;
}

}  // namespace e2e
