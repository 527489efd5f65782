// The folder keys of a setting's section: written only for a setting that uses a folder or
// already has them, read back, and emptied with the setting.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "common/core/ProfileAccess.h"
#include "common/core/SettingStore.h"

namespace {

TEST(SettingFolderKeys, OnlyASettingWithAFolderGetsThemAndKeepsThemOnceItHasThem) {
    const auto folder = std::filesystem::temp_directory_path() / ("pimmo-folderkeys-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "user1.ini").string();
    const SettingStore store(file, "PIMMO3");
    auto read = [&](const char* key) { return ReadProfileEntry(file, "PIMMO3", key, "-"); };
    SettingRecord record = NewSettingRecord({2024, 5, 1});
    ASSERT_TRUE(store.Save(record));
    EXPECT_EQ(read("PictureFolder"), "-") << "a setting of one file has no folder keys";

    record.PictureFolder = "D:\\photos";
    record.PictureOrder = 2;
    record.PictureShown = "a.jpg";
    ASSERT_TRUE(store.Save(record));
    SettingRecord loaded;
    ASSERT_EQ(store.Load(loaded).outcome, SettingLoadResult::Outcome::Loaded);
    EXPECT_TRUE(loaded.FolderKeysStored);
    EXPECT_EQ(loaded.PictureFolder, "D:\\photos");
    EXPECT_EQ(loaded.PictureOrder, 2);
    EXPECT_EQ(loaded.PictureShown, "a.jpg");

    loaded.PictureFolder.clear();  // back to one file: the file says so too
    loaded.PictureOrder = 0;
    ASSERT_TRUE(store.Save(loaded));
    EXPECT_EQ(read("PictureFolder"), "");
    EXPECT_EQ(read("PictureOrder"), "0");

    ASSERT_TRUE(store.Clear());
    EXPECT_EQ(read("PictureShown"), "");
    std::filesystem::remove_all(folder);
}

// The due date, the interval and the capture exclusion: absent until used, then kept (emptied)
// so the file says the setting left them.
TEST(SettingFolderKeys, OptionalKeysAreWrittenOnlyOnceUsed) {
    const auto folder = std::filesystem::temp_directory_path() / ("pimmo-optionalkeys-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "user1.ini").string();
    const SettingStore store(file, "PIMMO1");
    auto read = [&](const char* key) { return ReadProfileEntry(file, "PIMMO1", key, "-"); };
    SettingRecord record = NewSettingRecord({2024, 5, 1});
    ASSERT_TRUE(store.Save(record));
    EXPECT_EQ(read("PimmoDueDay") + read("PictureInterval") + read("HideFromCapture"), "---");
    record.PimmoDueDay = {2024, 7, 2};
    ASSERT_TRUE(store.Save(record));
    EXPECT_EQ(read("PimmoDueDay") + read("PictureInterval") + read("HideFromCapture"), "2024/07/02--");
    ASSERT_EQ(store.Load(record).outcome, SettingLoadResult::Outcome::Loaded);
    record.PimmoDueDay = {};
    ASSERT_TRUE(store.Save(record));
    EXPECT_EQ(read("PimmoDueDay"), "");
    std::filesystem::remove_all(folder);
}

}  // namespace
