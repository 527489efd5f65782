#include "bench/FolderStreamBench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "bench/BenchPictures.h"
#include "widget/core/PhotoFolderJob.h"
#include "widget/core/PimmoSession.h"
#include "widget/win/PhotoFolderSource.h"

namespace bench {
namespace {

constexpr int kArrivals = 120;
constexpr ULONGLONG kArrivalEveryMs = 500;

double ProcessCpuMs(HANDLE process) {
    FILETIME created{}, ended{}, kernel{}, user{};
    GetProcessTimes(process, &created, &ended, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return static_cast<double>(uint64_t{t.dwHighDateTime} << 32 | t.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 10000.0;
}

double ThreadCpuMs() {
    FILETIME created{}, ended{}, kernel{}, user{};
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return static_cast<double>(uint64_t{t.dwHighDateTime} << 32 | t.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 10000.0;
}

// The widget's part: the photo shown, and when.
class StreamOwner final : public PhotoFolderOwner {
public:
    explicit StreamOwner(PimmoSession& session) : m_session(session) {}
    void OnFolderPhoto(const PhotoLoadResult&, bool, bool) override {
        shown.emplace_back(GetTickCount64(), m_session.Record().PictureFile);
    }
    PhotoLoadRequest FolderLoadRequest() override {
        return {"", 1, 0, 160, ScaleSide::Longer, m_session.CachePath(), 96};
    }
    bool ShowsPicture() const override { return true; }
    std::vector<std::pair<ULONGLONG, std::string>> shown;

private:
    PimmoSession& m_session;
};

void Pump(ULONGLONG until) {
    for (ULONGLONG now = GetTickCount64(); now < until; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
}

// The longest wait from an arrival until it, or a newer one, was on the screen.
double LongestWaitMs(const std::vector<ULONGLONG>& arrived,
                     const std::vector<std::pair<ULONGLONG, std::string>>& shown,
                     const std::vector<std::string>& names) {
    double longest = 0;
    for (size_t i = 0; i < arrived.size(); ++i) {
        ULONGLONG first = 0;
        for (const auto& [at, path] : shown) {
            const auto it = std::find(names.begin(), names.end(), path);
            if (it != names.end() && static_cast<size_t>(it - names.begin()) >= i && at >= arrived[i]) {
                first = at;
                break;
            }
        }
        longest = std::max(longest, first == 0 ? 1e9 : static_cast<double>(first - arrived[i]));
    }
    return longest;
}

}  // namespace

int MeasureStream(const std::wstring& folder, const std::wstring& work) {
    const std::string folderUtf8 = Narrow(folder);
    PimmoSession session(Narrow(work + L"\\pimmo.ini"), Narrow(work + L"\\"), 1);
    SettingRecord& record = session.Record();
    record.PictureFolder = folderUtf8;
    record.PictureOrder = 1;
    record.IsStretched = 1;
    // A photo that loads is the newest when the owner starts; the index as a first scan leaves
    // it, and one rescan of the unchanged folder as reference.
    const std::string jpeg = Jpeg(320, 240, [](int x, int y) { return Colour{uint8_t(x), uint8_t(y), 90}; });
    const std::wstring first = folder + L"\\ZY_first.jpg";
    WriteFileBytes(first, jpeg);
    const PhotoIndex index = ScanPhotoFolder(folderUtf8, false, {}).photos;
    const double before = ThreadCpuMs();
    ScanPhotoFolder(folderUtf8, false, index);
    const double rescanMs = ThreadCpuMs() - before;
    WriteFileBytes(Widen(FolderIndexPath(session.CachePath())), EncodePhotoIndex(folderUtf8, false, index));
    StreamOwner owner(session);
    PhotoFolderSource source(session, owner);
    if (jpeg.empty() || !source.Create(GetModuleHandleW(nullptr)))
        return 1;
    source.Follow();
    const ULONGLONG started = GetTickCount64();
    while (owner.shown.empty() && GetTickCount64() - started < 120000)
        Pump(GetTickCount64() + 100);
    const double cpuBefore = ProcessCpuMs(GetCurrentProcess());
    std::vector<ULONGLONG> arrived;
    std::vector<std::string> names;
    for (int i = 0; i < kArrivals; ++i) {
        wchar_t name[32];
        swprintf(name, 32, L"\\ZZ_%04d.jpg", i);
        WriteFileBytes(folder + name, jpeg);
        arrived.push_back(GetTickCount64());
        names.push_back(PhotoPath(folderUtf8, Narrow(name + 1)));
        Pump(arrived.back() + kArrivalEveryMs);
    }
    Pump(GetTickCount64() + 3000);
    const double streamMs = ProcessCpuMs(GetCurrentProcess()) - cpuBefore;
    for (const std::string& path : names)
        DeleteFileW(Widen(path).c_str());
    DeleteFileW(first.c_str());
    std::printf("stream-wait %.0f stream-cpu %.1f rescan-cpu %.1f shown %zu\n",
                LongestWaitMs(arrived, owner.shown, names), streamMs, rescanMs, owner.shown.size());
    return 0;
}

int CloseWhenSettled(const std::wstring& windowClass, const std::wstring& doneFile) {
    HWND window = nullptr;
    for (int i = 0; i < 1200 && !(window = FindWindowW(windowClass.c_str(), nullptr)); ++i)
        Sleep(50);
    // The caller tells when the program's CPU time stood still (its work done) by this file.
    for (int i = 0; i < 2400 && GetFileAttributesW(doneFile.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(100);
    if (!window)
        return 1;
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
}

}  // namespace bench
