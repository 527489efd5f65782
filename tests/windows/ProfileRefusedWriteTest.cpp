// A profile file that the file system will not let the programs replace: a read-only file,
// a full disk, a file another program holds open. The save says so, the file keeps its bytes
// and no temporary file is left beside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

#include "common/core/SettingRecord.h"
#include "common/core/SettingStore.h"
#include "tests/windows/ProfileWinSupport.h"

namespace {

constexpr char kOld[] = "[PIMMO3]\r\nPimmoName=old\r\n";

// Files the test itself left in the folder, besides the profile and its lock.
std::vector<std::string> OtherFiles(const std::string& folder, const std::string& keep) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Widen(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = Narrow(found.cFileName);
        if (name != "." && name != ".." && name != "user1.ini" && name != "user1.ini.lock" && name != keep)
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Fills the disk that holds folder with one file until nothing more fits.
void FillDisk(const std::string& folder) {
    HANDLE file = CreateFileW(Widen(folder + "\\filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    const std::string block(4096, 'x');
    DWORD written = 0;
    while (WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) && written > 0) {
    }
    CloseHandle(file);
}

TEST(ProfileRefusedWrite, SaveKeepsTheOldBytesAndLeavesNoTemporaryFile) {
    const struct {
        const char* name;
        // Makes the file refuse the write; returns what undoes it, or nullptr to skip the case.
        std::function<std::function<void()>(const std::string& folder, const std::string& file)> refuse;
    } kCases[] = {
        {"read-only",
         [](const std::string&, const std::string& file) -> std::function<void()> {
             SetFileAttributesW(Widen(file).c_str(), FILE_ATTRIBUTE_READONLY);
             return [file] { SetFileAttributesW(Widen(file).c_str(), FILE_ATTRIBUTE_NORMAL); };
         }},
        {"held open by another program",
         [](const std::string&, const std::string& file) -> std::function<void()> {
             HANDLE held = CreateFileW(Widen(file).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
             return [held] { CloseHandle(held); };
         }},
        {"full disk",
         [](const std::string& folder, const std::string&) -> std::function<void()> {
             FillDisk(folder);
             return [folder] { DeleteFileW(Widen(folder + "\\filler").c_str()); };
         }},
    };
    const char* smallDisk = std::getenv("PIMMO_SMALL_DISK");
    for (const auto& c : kCases) {
        const bool onSmallDisk = std::string(c.name) == "full disk";
        if (onSmallDisk && smallDisk == nullptr) {
            std::printf("skipped: %s (no small disk to fill)\n", c.name);
            continue;
        }
        ProfileTempFolder temp;
        std::string folder = temp.File("");
        folder.pop_back();
        if (onSmallDisk) {
            folder = "Z:" + std::string(smallDisk);
            for (char& ch : folder)
                ch = ch == '/' ? '\\' : ch;
        }
        const std::string file = folder + "\\user1.ini";
        WriteFileBytes(file, kOld);
        const SettingStore store(file, "PIMMO3");
        store.TakeStartLock();  // the lock file is made while the file can still be written
        WriteFileBytes(file, kOld);
        const std::function<void()> undo = c.refuse(folder, file);
        EXPECT_FALSE(store.Save(NewSettingRecord({2020, 1, 2}))) << c.name;
        undo();
        EXPECT_EQ(ReadFileBytes(file), kOld) << c.name;
        EXPECT_EQ(OtherFiles(folder, "filler"), std::vector<std::string>{}) << c.name;
        if (onSmallDisk) {
            DeleteFileW(Widen(file).c_str());
            DeleteFileW(Widen(file + ".lock").c_str());
        }
    }
}

}  // namespace
