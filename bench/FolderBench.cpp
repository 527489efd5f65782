// Speed of finding a folder's newest photo against a bare walk of the same folder.
//   folder_bench make <folder> <count>   writes <count> small JPEGs, each with an Exif date taken
//   folder_bench measure <folder>        alternately: the folder scan and the choice of the newest
//                                        photo, and a bare walk that opens each file and reads its
//                                        first 64 KB; prints the medians and the newest photo
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "tests/e2e/support/PhotoExif.h"
#include "tests/e2e/support/PhotoPictures.h"
#include "widget/core/PhotoChoice.h"
#include "widget/core/PictureFolder.h"

namespace {

constexpr int kRounds = 7;

// About what a phone's JPEG holds before its picture: Exif data, then tables and a thumbnail.
std::string SmallJpeg(int index, int count) {
    const int minutes = (index * 7919) % count;  // the dates in another order than the names
    char date[32];
    std::snprintf(date, sizeof date, "2023:%02d:%02d %02d:%02d:00", 1 + minutes / 44640 % 12, 1 + minutes / 1440 % 28,
                  minutes / 60 % 24, minutes % 60);
    std::string filler(2000 + index % 3000, static_cast<char>(index));
    const size_t length = filler.size() + 2;
    std::string comment =
        std::string("\xFF\xFE", 2) + static_cast<char>(length >> 8) + static_cast<char>(length & 0xFF);
    return std::string("\xFF\xD8", 2) + photo_test::ExifSegment(1, index % 2 == 0, 3, date) + comment + filler +
           std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00\x12\x34\xFF\xD9", 14);
}

int Make(const std::wstring& folder, int count) {
    for (int i = 0; i < count; ++i)
        photo_test::WriteFileBytes(folder + L"\\IMG_" + std::to_wstring(10000 + i) + L".jpg", SmallJpeg(i, count));
    std::printf("made %d photos\n", count);
    return 0;
}

// What any program that looks at every photo must do at least: list, open, read the head.
size_t BareWalk(const std::wstring& folder) {
    static const auto head = std::make_unique<uint8_t[]>(kPhotoHeadBytes);
    size_t files = 0;
    WIN32_FIND_DATAW found{};
    const UniqueFind find(FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                           nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find)
        return 0;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const UniqueFile file(CreateFileW((folder + L"\\" + found.cFileName).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (!file)
            continue;
        DWORD read = 0;
        files += ReadFile(file.Get(), head.get(), kPhotoHeadBytes, &read, nullptr) ? 1 : 0;
    } while (FindNextFileW(find.Get(), &found));
    return files;
}

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int Measure(const std::wstring& folder) {
    std::vector<double> newestTimes, bareTimes;
    std::string newest;
    size_t listed = 0, walked = 0;
    BareWalk(folder);  // the files into the system's cache for both alike
    for (int round = 0; round < kRounds; ++round) {
        newestTimes.push_back(Milliseconds([&] {
            const PictureFolderScan scan = ScanPictureFolder(Narrow(folder), false);
            const auto index = NewestPhoto(scan.photos);
            newest = index ? scan.photos[*index].name : "";
            listed = scan.photos.size();
        }));
        bareTimes.push_back(Milliseconds([&] { walked = BareWalk(folder); }));
    }
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("newest %.1f ms bare %.1f ms photos %zu walked %zu newest-photo %s peak %.1f MiB\n",
                Median(newestTimes), Median(bareTimes), listed, walked, newest.c_str(),
                memory.PeakWorkingSetSize / 1048576.0);
    return listed == walked && listed > 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"make" && argc == 4)
        return Make(argv[2], _wtoi(argv[3]));
    if (mode == L"measure" && argc == 3)
        return Measure(argv[2]);
    std::fprintf(stderr, "usage: folder_bench make <folder> <count> | measure <folder>\n");
    return 2;
}
