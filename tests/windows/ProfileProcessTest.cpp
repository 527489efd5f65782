// Real processes sharing one profile file: writers at the same time lose no write, and a
// writer killed at any moment leaves a complete file with every write it saw return, each
// section saved whole as it was before or after the save.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/core/ProfileAccess.h"
#include "common/core/ProfileDocument.h"
#include "common/core/ProfileFileSystem.h"
#include "common/core/ProfileSectionAccess.h"
#include "common/core/SettingKeys.h"
#include "common/core/SettingSections.h"
#include "common/core/SettingStore.h"
#include "tests/tools/SettingGenerations.h"
#include "tests/windows/ProfileWinSupport.h"
#include "widget/core/SettingNames.h"

namespace {

constexpr int kWriters = 8;
constexpr int kWritesEach = 200;

// A started profile_writer; ended by its handle if still running when destroyed.
class Writer {
public:
    Writer(const std::string& file, const std::string& section, int first, int count, const std::string& log = "")
        : Writer(L"", file, section, first, count, log) {}
    // mode: L"" for single keys, L"--settings" for whole sections (then section is the number
    // of sections).
    Writer(const std::wstring& mode,
           const std::string& file,
           const std::string& section,
           int first,
           int count,
           const std::string& log) {
        std::wstring commandLine = L"\"" + TestProgramFolder() + L"\\profile_writer.exe\" " + mode + L" \"" +
                                   Widen(file) + L"\" \"" + Widen(section) + L"\" " + std::to_wstring(first) + L" " +
                                   std::to_wstring(count);
        if (!log.empty())
            commandLine += L" \"" + Widen(log) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &info)) {
            CloseHandle(info.hThread);
            m_process = info.hProcess;
        }
    }
    ~Writer() {
        if (m_process == nullptr)
            return;
        if (WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_process, 98);
            WaitForSingleObject(m_process, 10000);
        }
        CloseHandle(m_process);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    HANDLE Handle() const { return m_process; }
    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(m_process, &code);
        return code;
    }

private:
    HANDLE m_process = nullptr;
};

std::string Value(int i) {
    return "value" + std::to_string(i);
}

TEST(ProfileProcesses, WritersOfTheirOwnSectionsLoseNoWrite) {
    ProfileTempFolder folder;
    const std::string file = folder.File("user1.ini");
    std::vector<std::unique_ptr<Writer>> writers;
    std::vector<HANDLE> handles;
    for (int w = 0; w < kWriters; ++w) {
        writers.push_back(std::make_unique<Writer>(file, "PIMMO" + std::to_string(w), 0, kWritesEach));
        ASSERT_NE(writers.back()->Handle(), nullptr) << "profile_writer.exe did not start";
        handles.push_back(writers.back()->Handle());
    }
    ASSERT_EQ(WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), TRUE, 400000), WAIT_OBJECT_0)
        << "writers still running";
    for (const auto& writer : writers)
        EXPECT_EQ(writer->ExitCode(), 0u);
    PlatformForget(file);
    int lost = 0;
    for (int w = 0; w < kWriters; ++w) {
        for (int i = 0; i < kWritesEach; ++i) {
            const std::string section = "PIMMO" + std::to_string(w);
            const std::string key = "Key" + std::to_string(i);
            if (ReadProfileEntry(file, section, key, "lost") != Value(i))
                ++lost;
            if (PlatformRead(file, section, key, "lost") != Value(i))
                ++lost;
        }
    }
    EXPECT_EQ(lost, 0);
}

TEST(ProfileProcesses, WriterWaitsWhileAnotherProcessHoldsTheLock) {
    ProfileTempFolder folder;
    const std::string file = folder.File("user1.ini");
    std::unique_ptr<ProfileLock> lock = LockProfileFile(file, ProfileLockMode::Exclusive, std::chrono::seconds(1));
    ASSERT_NE(lock, nullptr);
    Writer writer(file, "S", 0, 1);
    ASSERT_NE(writer.Handle(), nullptr);
    EXPECT_EQ(WaitForSingleObject(writer.Handle(), 2000), static_cast<DWORD>(WAIT_TIMEOUT)) << "did not wait";
    EXPECT_FALSE(FileExists(file)) << "written while the lock was held";
    lock.reset();
    ASSERT_EQ(WaitForSingleObject(writer.Handle(), 30000), WAIT_OBJECT_0);
    EXPECT_EQ(writer.ExitCode(), 0u);
    EXPECT_EQ(ReadFileBytes(file), "[S]\r\nKey0=value0\r\n");
}

// Something that is no lock file in the lock file's place (here a folder) must not stall
// every read and write for the whole lock time-out: the widget reads a dozen keys at start.
TEST(ProfileProcesses, UnopenableLockFileFailsSoonInsteadOfStalling) {
    ProfileTempFolder folder;
    const std::string file = folder.File("user1.ini");
    WriteFileBytes(file, "[S]\r\nk=v\r\n");
    ASSERT_TRUE(CreateDirectoryW(Widen(file + ".lock").c_str(), nullptr));
    const ULONGLONG start = GetTickCount64();
    // Reading needs no lock to be safe (the file is only ever replaced whole), so it still reads.
    EXPECT_EQ(ReadProfileEntry(file, "S", "k", "default"), "v");
    EXPECT_FALSE(WriteProfileEntry(file, "S", "k", "w"));
    EXPECT_LT(GetTickCount64() - start, 5000u) << "a read and a write stalled";
    RemoveDirectoryW(Widen(file + ".lock").c_str());
    EXPECT_EQ(ReadFileBytes(file), "[S]\r\nk=v\r\n");
}

// A large file makes every write long, so that kills land inside writes.
std::string BulkSection() {
    std::string bulk = "[Bulk]\r\n";
    for (int i = 0; i < 3000; ++i)
        bulk += "Bulk" + std::to_string(i) + "=" + std::string(60, 'b') + "\r\n";
    return bulk;
}

// The indices of the log's complete lines: the writes that returned before the kill.
std::vector<int> ReportedWrites(const std::string& log) {
    std::vector<int> indices;
    const std::string text = ReadFileBytes(log);
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        indices.push_back(std::stoi(text.substr(start, end - start)));
    }
    return indices;
}

// The whole file must be exactly what the writes made: the bulk section untouched, then
// Key<i>=value<i> lines, each with its line break, and nothing else.
void ExpectComplete(const std::string& bytes, const std::string& bulk, int* written) {
    ASSERT_EQ(bytes.compare(0, bulk.size(), bulk), 0) << "bulk section damaged";
    std::istringstream rest(bytes.substr(bulk.size()));
    std::string line;
    ASSERT_TRUE(std::getline(rest, line));
    ASSERT_EQ(line, "[Writer]\r");
    int count = 0;
    while (std::getline(rest, line)) {
        ASSERT_EQ(line, "Key" + std::to_string(count) + "=" + Value(count) + "\r") << "line " << count;
        ++count;
    }
    ASSERT_EQ(bytes.back(), '\n') << "the last line is cut";
    *written = count;
}

TEST(ProfileProcesses, KilledWriterLeavesCompleteFileWithEveryReturnedWrite) {
    ProfileTempFolder folder;
    const std::string file = folder.File("user1.ini");
    const std::string bulk = BulkSection();
    WriteFileBytes(file, bulk + "[Writer]\r\n");
    std::mt19937 random(4711);
    int next = 0;
    int killedWhileWriting = 0;
    for (int round = 0; round < 16; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::string log = folder.File("log" + std::to_string(round) + ".txt");
        DWORD exitCode = 0;
        {
            Writer writer(file, "Writer", next, 100000, log);
            ASSERT_NE(writer.Handle(), nullptr);
            Sleep(300 + random() % 1200);
            TerminateProcess(writer.Handle(), 99);
            ASSERT_EQ(WaitForSingleObject(writer.Handle(), 10000), WAIT_OBJECT_0);
            exitCode = writer.ExitCode();
        }
        const std::vector<int> reported = ReportedWrites(log);
        if (exitCode == 99 && !reported.empty())
            ++killedWhileWriting;
        int written = 0;
        ExpectComplete(ReadFileBytes(file), bulk, &written);
        if (HasFatalFailure())
            return;
        for (int i : reported)
            EXPECT_LT(i, written) << "write " << i << " returned but is not in the file";
        // The engine and the platform both read it.
        if (written > 0) {
            PlatformForget(file);
            EXPECT_EQ(PlatformRead(file, "Writer", "Key" + std::to_string(written - 1), ""), Value(written - 1));
            EXPECT_EQ(ReadProfileEntry(file, "Writer", "Key" + std::to_string(written - 1), ""), Value(written - 1));
        }
        next = written;
    }
    EXPECT_GE(killedWhileWriting, 8) << "too few kills landed while the writer was writing";
}

constexpr int kSavedSettings = 4;

// The save the setting's section holds, -1 for none: every one of the eleven keys must be
// there and come from that one save.
int WholeSave(const std::string& file, int setting) {
    const ProfileSectionValues values =
        ReadProfileSectionValues(file, SettingSectionFor(static_cast<int16_t>(setting)));
    if (values.empty())
        return -1;
    for (const SettingKey& key : kSettingKeys) {
        EXPECT_NE(ProfileSectionValue(values, key.name, "<absent>"), "<absent>")
            << "setting " << setting << " lacks " << key.name;
    }
    SettingRecord record;
    const SettingLoadResult loaded = SettingStore(file, "").LoadFrom(values, record);
    EXPECT_EQ(loaded.outcome, SettingLoadResult::Outcome::Loaded) << loaded.key << "=" << loaded.value;
    if (record.PimmoName.rfind("name", 0) != 0)
        return -2;
    const int generation = std::stoi(record.PimmoName.substr(4));
    const SettingRecord expected = GenerationRecord(generation);
    for (const SettingKey& key : kSettingKeys) {
        EXPECT_EQ(key.write(record), key.write(expected))
            << "setting " << setting << " mixes save " << generation << " with another in " << key.name;
    }
    return generation;
}

TEST(ProfileProcesses, KilledSettingSaverLeavesEverySectionWhollyOldOrNew) {
    ProfileTempFolder folder;
    const std::string file = folder.File("user1.ini");
    const std::string bulk = BulkSection();
    WriteFileBytes(file, bulk);
    std::mt19937 random(815);
    std::vector<int> lastReported(kSavedSettings + 1, -1);
    int next = 0;
    int killedWhileWriting = 0;
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::string log = folder.File("log" + std::to_string(round) + ".txt");
        DWORD exitCode = 0;
        {
            Writer writer(L"--settings", file, std::to_string(kSavedSettings), next, 100000, log);
            ASSERT_NE(writer.Handle(), nullptr);
            Sleep(300 + random() % 1200);
            TerminateProcess(writer.Handle(), 99);
            ASSERT_EQ(WaitForSingleObject(writer.Handle(), 10000), WAIT_OBJECT_0);
            exitCode = writer.ExitCode();
        }
        const std::vector<int> reported = ReportedWrites(log);
        if (exitCode == 99 && !reported.empty())
            ++killedWhileWriting;
        for (int g : reported)
            lastReported[GenerationSetting(g, kSavedSettings)] = g;
        // The save under way at the kill, which may or may not have reached the file.
        const int inFlight = reported.empty() ? next : reported.back() + 1;
        ASSERT_EQ(ReadFileBytes(file).compare(0, bulk.size(), bulk), 0) << "bulk section damaged";
        for (int setting = 1; setting <= kSavedSettings; ++setting) {
            const int held = WholeSave(file, setting);
            const bool inFlightHere = GenerationSetting(inFlight, kSavedSettings) == setting;
            EXPECT_TRUE(held == lastReported[setting] || (inFlightHere && held == inFlight))
                << "setting " << setting << " holds save " << held << ", last returned " << lastReported[setting];
            if (held >= 0)
                lastReported[setting] = held;
        }
        if (HasFailure())
            return;
        PlatformForget(file);
        const int setting = GenerationSetting(inFlight, kSavedSettings);
        if (lastReported[setting] >= 0) {
            EXPECT_EQ(PlatformRead(file, SettingSectionFor(static_cast<int16_t>(setting)), "PimmoName", ""),
                      "name" + std::to_string(lastReported[setting]));
        }
        next = inFlight + 1;
    }
    EXPECT_GE(killedWhileWriting, 6) << "too few kills landed while the writer was saving";
}

}  // namespace
