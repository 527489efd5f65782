// Speed of a setting's save as one batch against the eleven single-key writes it replaces, and
// of house's save of a list of 50 settings as one transaction against its 51 single-key writes,
// on a profile file that holds 50 settings.
//   profile_bench <folder>   makes <folder>\user1.ini with settings 1..50, then measures
// Prints one line per measurement (mode, median milliseconds of the runs) and the ratio.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/core/Unicode.h"
#include "common/core/ProfileAccess.h"
#include "common/core/SettingKeys.h"
#include "common/core/SettingSections.h"
#include "common/core/SettingStore.h"
#include "manager/core/SettingList.h"
#include "widget/core/SettingNames.h"

namespace {

constexpr int kRuns = 5;
constexpr int kSettings = 50;
constexpr int16_t kMeasured = 25;

// Every run saves a record that differs in every key from the one before, so that every write
// really replaces the file.
double MedianMilliseconds(const std::function<bool(int run)>& save, int& generation) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!save(++generation))
            return -1;
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The record that run g saves: every key differs from run g - 1's.
SettingRecord RunRecord(int g) {
    SettingRecord record;
    record.WindowPosition = static_cast<int16_t>(g % 3);
    record.PictureFile = "C:\\写真\\photo" + std::to_string(g) + ".jpg";
    record.LastWindowTop = g * 7;
    record.LastWindowLeft = -g;
    record.LastWindowBorder = static_cast<int16_t>(g % 2);
    record.PimmoName = "name" + std::to_string(g);
    record.PimmoBirthDay = {2000 + g % 20, 1 + g % 12, 1 + g % 28};
    record.IsStretched = static_cast<int16_t>(g % 2);
    record.PictureSize = static_cast<int16_t>(g % 1000);
    record.StretchMode = static_cast<int16_t>(g % 3);
    record.IsStretchBmpCashed = static_cast<int16_t>(1 - g % 2);
    return record;
}

bool SaveKeyByKey(const std::string& file, const SettingRecord& record) {
    bool ok = true;
    const std::string section = SettingSectionFor(kMeasured);
    for (const SettingKey& key : kSettingKeys)
        ok = WriteProfileEntry(file, section, key.name, key.write(record)) && ok;
    return ok;
}

// house's list of 50 settings; each run moves the numbers by one so that every key changes.
SettingList GenerationList(int generation) {
    SettingList list;
    for (int i = 1; i <= kSettings; ++i)
        list.numbers.push_back(static_cast<int16_t>((i + generation) % kSettings + 1));
    return list;
}

bool SaveListKeyByKey(const std::string& file, const SettingList& list) {
    bool ok = true;
    for (const ProfileWrite& write : SettingListWrites(list))
        ok = WriteProfileEntry(file, write.section, write.key, write.value) && ok;
    return ok;
}

int Measure(const std::string& folder) {
    const std::string file = folder + "\\user1.ini";
    DeleteFileW(Widen(file).c_str());
    for (int16_t setting = 1; setting <= kSettings; ++setting) {
        const SettingStore store(file, SettingSectionFor(setting));
        store.TakeStartLock();
        if (!store.Save(RunRecord(setting)))
            return 1;
    }
    const SettingStore store(file, SettingSectionFor(kMeasured));
    int generation = kSettings;
    const double batch = MedianMilliseconds([&](int g) { return store.Save(RunRecord(g)); }, generation);
    const double single = MedianMilliseconds([&](int g) { return SaveKeyByKey(file, RunRecord(g)); }, generation);
    const double listBatch =
        MedianMilliseconds([&](int g) { return SaveSettingList(file, GenerationList(g)); }, generation);
    const double listSingle =
        MedianMilliseconds([&](int g) { return SaveListKeyByKey(file, GenerationList(g)); }, generation);
    if (batch < 0 || single < 0 || listBatch < 0 || listSingle < 0) {
        std::printf("save failed\n");
        return 1;
    }
    std::printf("save-batch %.2f ms\n", batch);
    std::printf("save-keys %.2f ms\n", single);
    std::printf("ratio %.3f\n", batch / single);
    std::printf("list-batch %.2f ms\n", listBatch);
    std::printf("list-keys %.2f ms\n", listSingle);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2)
        return Measure(Narrow(argv[1]));
    std::fprintf(stderr, "usage: profile_bench <folder>\n");
    return 2;
}
