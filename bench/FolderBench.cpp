// Speed of the photo folder's scans against bare walks of the same folder.
//   folder_bench make <folder> <count>   writes <count> small JPEGs, each with an Exif date taken
//   folder_bench measure <folder>        prints the medians of
//     first:  the first scan (no index) and the choice of the newest photo, against a bare walk
//             that opens each file and reads its first 64 KB;
//     rescan: a scan with the index after one photo arrived, and a start's scan of the unchanged
//             folder (the stored index read first), against a bare listing that opens no file;
//     index:  the index's bytes in memory per photo, beyond its name
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
#include "bench/BenchPictures.h"
#include "bench/ExifBytes.h"
#include "bench/FolderStreamBench.h"
#include "widget/core/PhotoFolderChoice.h"
#include "widget/core/PhotoFolderScan.h"

namespace {

constexpr int kRounds = 5;

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
    return std::string("\xFF\xD8", 2) + bench::ExifSegment(1, index % 2 == 0, date) + comment + filler +
           std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00\x12\x34\xFF\xD9", 14);
}

int Make(const std::wstring& folder, int count) {
    for (int i = 0; i < count; ++i)
        bench::WriteFileBytes(folder + L"\\IMG_" + std::to_wstring(10000 + i) + L".jpg", SmallJpeg(i, count));
    std::printf("made %d photos\n", count);
    return 0;
}

// What any program that looks at every photo must do at least: list, open, read the head. Without
// reading (a bare listing): what any look at the folder costs.
size_t BareWalk(const std::wstring& folder, bool read = true) {
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
        if (!read) {
            files += found.nFileSizeLow != 0 ? 1 : 0;
            continue;
        }
        const UniqueFile file(CreateFileW((folder + L"\\" + found.cFileName).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (!file)
            continue;
        DWORD done = 0;
        files += ReadFile(file.Get(), head.get(), kPhotoHeadBytes, &done, nullptr) ? 1 : 0;
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

struct Times {
    std::vector<double> first, walk, rescan, start, list;
};

void MeasureFirst(const std::wstring& folder, Times& times, PhotoIndex& index, std::string& newest) {
    times.first.push_back(Milliseconds([&] {
        index = ScanPhotoFolder(Narrow(folder), false, {}).photos;
        const auto photo = NewestPhoto(index);
        newest = photo ? index[*photo].name : "";
    }));
    times.walk.push_back(Milliseconds([&] { BareWalk(folder); }));
}

std::string ReadWhole(const std::wstring& path) {
    const UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size))
        return {};
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD done = 0;
    ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    bytes.resize(done);
    return bytes;
}

// One photo arrives and is scanned with the index; then a start reads the stored index and
// scans the folder as the photo left it.
void MeasureRescan(const std::wstring& folder, const PhotoIndex& index, Times& times) {
    const std::wstring arrival = folder + L"\\ZZ_new.jpg";
    CopyFileW((folder + L"\\IMG_10000.jpg").c_str(), arrival.c_str(), FALSE);
    times.rescan.push_back(Milliseconds([&] { ScanPhotoFolder(Narrow(folder), false, index); }));
    DeleteFileW(arrival.c_str());
    const std::wstring indexFile = folder + L".idx";
    bench::WriteFileBytes(indexFile, EncodePhotoIndex(Narrow(folder), false, index));
    times.start.push_back(Milliseconds([&] {
        const auto known = DecodePhotoIndex(ReadWhole(indexFile), Narrow(folder), false);
        ScanPhotoFolder(Narrow(folder), false, known.value_or(PhotoIndex()));
    }));
    times.list.push_back(Milliseconds([&] { BareWalk(folder, false); }));
}

int Measure(const std::wstring& folder) {
    Times times;
    PhotoIndex index;
    std::string newest;
    BareWalk(folder);  // the files into the system's cache for both alike
    for (int round = 0; round < kRounds; ++round)
        MeasureFirst(folder, times, index, newest);
    for (int round = 0; round < kRounds; ++round)
        MeasureRescan(folder, index, times);
    size_t names = 0;
    for (const PhotoEntry& photo : index)
        names += photo.name.size();
    const double perPhoto = index.empty() ? 0 : (PhotoIndexMemory(index) - names) / double(index.size());
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf(
        "first %.1f walk %.1f rescan %.1f start %.1f list %.1f index %.1f photos %zu peak %.1f newest-photo %s\n",
        Median(times.first), Median(times.walk), Median(times.rescan), Median(times.start), Median(times.list),
        perPhoto, index.size(), memory.PeakWorkingSetSize / 1048576.0, newest.c_str());
    return index.size() > 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"make" && argc == 4)
        return Make(argv[2], _wtoi(argv[3]));
    if (mode == L"measure" && argc == 3)
        return Measure(argv[2]);
    if (mode == L"stream" && argc == 4)
        return bench::MeasureStream(argv[2], argv[3]);
    if (mode == L"close" && argc == 4)
        return bench::CloseWhenSettled(argv[2], argv[3]);
    std::fprintf(stderr,
                 "usage: folder_bench make <folder> <count> | measure <folder> | stream <folder> <work folder> |\n"
                 "       close <window class> <done file>\n");
    return 2;
}
