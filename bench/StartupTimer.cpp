// Time from the start of a program to its first visible window (not a test): see scripts/bench.
//   startup_timer [--runs N] [--free-lock <profile> <section>] [--class <name>] [--close]
//                 [--hold <seconds>] <program> [arguments...]
// Starts the program N times (5 by default), one after the other. After each start it looks
// again and again (every 2 ms outside a bench run) for a visible top-level window of the new
// process, then ends the process by its handle (with --close: closes that window, so that a
// widget saves its setting, and waits for the end). A widget ended by its handle keeps its start
// lock; --free-lock clears the start lock of that section before every start. With --class the
// first window must be of that window class (a message box instead of the photo is a failure).
// Beside the wall time it takes the CPU time the program used until then (user and kernel; under
// Wine to the nanosecond from Linux, in a bench run), which does not wait for other programs on
// a busy machine. With --hold the program is left at rest that long after its window ("window"
// is printed at once), so that its memory and wake-ups can be watched. Prints one line per start
// and a last line "median <ms> ms cpu <ms> ms"; fails when a start shows no such window within
// 30 s.
#include <windows.h>

#include <winternl.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <optional>
#include <string>
#include <vector>

#include "base/core/UniqueHandles_win.h"
#include "common/core/SettingKeys.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kWindowTimeout = std::chrono::seconds(30);
constexpr DWORD kPollMilliseconds = 2;
constexpr DWORD kEndTimeoutMilliseconds = 10000;

struct Options {
    int runs = 5;
    std::wstring lockProfile;
    std::wstring lockSection;
    std::wstring windowClass;
    bool close = false;
    DWORD holdMilliseconds = 0;
    std::wstring commandLine;
    std::wstring program;
};

struct StartTimes {
    double wallMilliseconds;
    double cpuMilliseconds;
};

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

std::wstring Quoted(const std::wstring& argument) {
    return argument.find_first_of(L" \t") == std::wstring::npos ? argument : L"\"" + argument + L"\"";
}

std::optional<Options> ParseOptions(int argc, wchar_t** argv) {
    Options options;
    int i = 1;
    for (; i < argc && argv[i][0] == L'-'; ++i) {
        const std::wstring option = argv[i];
        if (option == L"--runs" && i + 1 < argc) {
            options.runs = _wtoi(argv[++i]);
        } else if (option == L"--free-lock" && i + 2 < argc) {
            options.lockProfile = argv[++i];
            options.lockSection = argv[++i];
        } else if (option == L"--class" && i + 1 < argc) {
            options.windowClass = argv[++i];
        } else if (option == L"--hold" && i + 1 < argc) {
            options.holdMilliseconds = static_cast<DWORD>(_wtoi(argv[++i])) * 1000;
        } else if (option == L"--close") {
            options.close = true;
        } else {
            return std::nullopt;
        }
    }
    if (i >= argc || options.runs < 1)
        return std::nullopt;
    options.program = argv[i];
    options.commandLine = L"\"" + std::wstring(argv[i]) + L"\"";
    for (++i; i < argc; ++i)
        options.commandLine += L" " + Quoted(argv[i]);
    return options;
}

bool IsExpectedWindow(HWND window, const std::wstring& windowClass) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    if (windowClass.empty() || windowClass == name)
        return true;
    std::printf("the first window is of class %ls\n", name);
    return false;
}

// Closes the window and waits for the end; a process that does not end is ended by its handle.
void EndProcess(HANDLE process, HWND window, bool close) {
    if (close && window) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process, kEndTimeoutMilliseconds) == WAIT_OBJECT_0)
            return;
    }
    TerminateProcess(process, 1);
    WaitForSingleObject(process, kEndTimeoutMilliseconds);
}

// The CPU time a process has used, user and kernel; -1 where the system does not tell. Only the
// system's process list has it for another process under Wine.
double CpuMilliseconds(DWORD processId) {
    using Query = NTSTATUS(NTAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<uint8_t> list(1 << 20);
    ULONG needed = 0;
    while (query && query(SystemProcessInformation, list.data(), static_cast<ULONG>(list.size()), &needed) != 0) {
        if (needed <= list.size() || list.size() > (64u << 20))
            return -1;
        list.resize(needed + 65536);
    }
    for (size_t offset = 0; query && offset + sizeof(SYSTEM_PROCESS_INFORMATION) <= list.size();) {
        const auto* process = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(list.data() + offset);
        if (reinterpret_cast<ULONG_PTR>(process->UniqueProcessId) == processId)
            return static_cast<double>(process->UserTime.QuadPart + process->KernelTime.QuadPart) / 10000.0;
        if (process->NextEntryOffset == 0)
            break;
        offset += process->NextEntryOffset;
    }
    return -1;
}

std::string ReadWholeFile(const std::wstring& path) {
    std::string bytes;
    if (FILE* file = _wfopen(path.c_str(), L"rb")) {
        char buffer[4096];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, got);
        std::fclose(file);
    }
    return bytes;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Under Wine the system counts CPU time in ticks of 10 ms, too coarse for a start of 40 ms; Linux
// keeps it to the nanosecond for every thread (/proc/<pid>/task/<tid>/schedstat). The process is
// found by its program's file name among those of this bench run: its /proc folder, or empty.
std::wstring LinuxProcessFolder(const std::wstring& program) {
    const char* marker = std::getenv("PIMMO_BENCH_RUN");
    if (!marker || !GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        return {};
    const std::string runMark = std::string("PIMMO_BENCH_RUN=") + marker + '\0';
    std::string name = Lower(std::string(program.begin(), program.end()));
    name = name.substr(name.find_last_of('\\') + 1);
    if (!name.empty() && name.back() == '"')
        name.pop_back();
    WIN32_FIND_DATAW found{};
    HANDLE list = FindFirstFileW(L"Z:\\proc\\*", &found);
    std::wstring match;
    for (BOOL more = list != INVALID_HANDLE_VALUE; more && match.empty(); more = FindNextFileW(list, &found)) {
        const std::wstring pid = found.cFileName;
        if (pid.empty() || !std::iswdigit(pid[0]))
            continue;
        const std::wstring folder = L"Z:\\proc\\" + pid + L"\\";
        const std::string command = Lower(ReadWholeFile(folder + L"cmdline"));
        const std::string first = command.substr(0, command.find('\0'));
        const size_t at = first.size() >= name.size() ? first.size() - name.size() : std::string::npos;
        if (at != std::string::npos && first.compare(at, name.size(), name) == 0 &&
            ReadWholeFile(folder + L"environ").find(runMark) != std::string::npos)
            match = folder;
    }
    if (list != INVALID_HANDLE_VALUE)
        FindClose(list);
    return match;
}

// The CPU time of every thread of the process so far; -1 without its folder.
double LinuxCpuMilliseconds(const std::wstring& folder) {
    if (folder.empty())
        return -1;
    double cpu = -1;
    WIN32_FIND_DATAW task{};
    HANDLE tasks = FindFirstFileW((folder + L"task\\*").c_str(), &task);
    for (BOOL next = tasks != INVALID_HANDLE_VALUE; next; next = FindNextFileW(tasks, &task))
        if (std::iswdigit(task.cFileName[0]))
            cpu =
                std::max(cpu, 0.0) +
                std::strtod(ReadWholeFile(folder + L"task\\" + task.cFileName + L"\\schedstat").c_str(), nullptr) / 1e6;
    if (tasks != INVALID_HANDLE_VALUE)
        FindClose(tasks);
    return cpu;
}

// From CreateProcessW to the first visible window; nullopt without one.
std::optional<StartTimes> TimeOneStart(const Options& options) {
    std::wstring commandLine = options.commandLine;  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const Clock::time_point start = Clock::now();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return std::nullopt;
    const UniqueProcessInformation started(process);
    WindowSearch search{started.processId, nullptr};
    // Found while the program starts; its threads' times are then read before each look for the
    // window, so that the time at the look that finds it is the time up to the window, give or
    // take one look. Read after the look, it would count the work the program goes on with; so
    // would a pause between looks, and a bare program has no such work to count.
    std::wstring linuxFolder;
    double exact = -1;
    while (Clock::now() - start < kWindowTimeout && WaitForSingleObject(started.process.Get(), 0) == WAIT_TIMEOUT) {
        if (linuxFolder.empty())
            linuxFolder = LinuxProcessFolder(options.program);
        exact = LinuxCpuMilliseconds(linuxFolder);
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            break;
        if (linuxFolder.empty())
            Sleep(kPollMilliseconds);
        else
            SwitchToThread();
    }
    const double milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double cpu = exact >= 0 ? exact : CpuMilliseconds(started.processId);
    const bool expected = search.found && IsExpectedWindow(search.found, options.windowClass);
    if (expected && options.holdMilliseconds) {
        std::printf("window after %.1f ms\n", milliseconds);
        std::fflush(stdout);
        WaitForSingleObject(started.process.Get(), options.holdMilliseconds);
    }
    EndProcess(started.process.Get(), search.found, options.close);
    if (!expected)
        return std::nullopt;
    return StartTimes{milliseconds, cpu};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: startup_timer [--runs N] [--free-lock <profile> <section>] [--class <name>] "
                     "[--close] [--hold <seconds>] <program> [arguments...]\n");
        return 2;
    }
    std::vector<double> times, cpuTimes;
    for (int run = 1; run <= options->runs; ++run) {
        if (!options->lockProfile.empty())
            WritePrivateProfileStringW(options->lockSection.c_str(),
                                       std::wstring(kLockKey, kLockKey + sizeof kLockKey - 1).c_str(), L"",
                                       options->lockProfile.c_str());
        const std::optional<StartTimes> measured = TimeOneStart(*options);
        if (!measured) {
            std::printf("start %d: no visible window of the program\n", run);
            return 1;
        }
        std::printf("start %d: %.1f ms cpu %.1f ms\n", run, measured->wallMilliseconds, measured->cpuMilliseconds);
        times.push_back(measured->wallMilliseconds);
        cpuTimes.push_back(measured->cpuMilliseconds);
    }
    std::printf("median %.1f ms cpu %.1f ms\n", Median(times), Median(cpuTimes));
    return 0;
}
