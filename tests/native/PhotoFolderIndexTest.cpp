#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/core/SettingRecord.h"
#include "widget/core/PhotoFolderIndex.h"
#include "widget/core/PhotoFolderScan.h"
#include "widget/core/PictureTypes.h"

namespace {

const PhotoIndex kIndex = {{"2024\\IMG_1.JPG", 100, true, 2000, 5},
                           {"b.png", -7, false, 0, 1},
                           {"写真.jpeg", 300, false, 1ull << 40, -3}};

TEST(PhotoFolderIndex, StoredIndexIsTakenOnlyWholeAndForItsFolder) {
    const std::string bytes = EncodePhotoIndex("D:\\photos", true, kIndex);
    EXPECT_EQ(DecodePhotoIndex(bytes, "D:\\photos", true), kIndex);
    EXPECT_EQ(DecodePhotoIndex(EncodePhotoIndex("D:\\", false, {}), "D:\\", false), PhotoIndex());
    const struct {
        std::string bytes, folder;
        bool subfolders;
    } refused[] = {
        {bytes, "D:\\other", true},
        {bytes, "D:\\photos", false},
        {bytes.substr(0, bytes.size() - 1), "D:\\photos", true},
        {bytes.substr(0, bytes.size() / 2), "D:\\photos", true},
        {std::string(bytes).replace(bytes.find("300"), 3, "301"), "D:\\photos", true},
        {EncodePhotoIndex("D:\\photos", true, {kIndex[1], kIndex[0]}), "D:\\photos", true},  // out of order
        {"", "D:\\photos", true},
        {"Pimmo photo index 9\n" + bytes.substr(20), "D:\\photos", true},
    };
    for (const auto& c : refused)
        EXPECT_FALSE(DecodePhotoIndex(c.bytes, c.folder, c.subfolders)) << c.bytes;
}

TEST(PhotoFolderIndex, TheLogOfChangesFollowsItsOwnIndexUpToADamagedRecord) {
    const std::string stored = EncodePhotoIndex("D:\\photos", true, kIndex);
    const uint64_t sum = StoredPhotoIndexSum(stored);
    PhotoIndex after = {{"2024\\IMG_1.JPG", 100, true, 2001, 6}, {"a.jpg", 1, false, 1, 1}, kIndex[2]};
    const std::string log = EncodePhotoIndexLogStart(sum) + EncodePhotoIndexChanges(kIndex, after);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4) << "one record a change: changed, added, removed";
    PhotoIndex photos = kIndex;
    EXPECT_TRUE(ApplyPhotoIndexLog(log, sum, photos));
    EXPECT_EQ(photos, after);
    photos = kIndex;
    EXPECT_FALSE(ApplyPhotoIndexLog(log, sum + 1, photos)) << "the log of another index";
    EXPECT_EQ(photos, kIndex);
    EXPECT_TRUE(ApplyPhotoIndexLog(log.substr(0, log.size() - 3), sum, photos)) << "the last record cut off";
    EXPECT_EQ(photos, (PhotoIndex{after[0], after[1], kIndex[1], kIndex[2]})) << "the removal of b.png is lost";
}

TEST(PhotoFolderIndex, LookupAndPartialMerge) {
    EXPECT_TRUE(FindUnchangedPhoto(kIndex, "b.png", 0, 1));
    EXPECT_FALSE(FindUnchangedPhoto(kIndex, "b.png", 1, 1)) << "another size";
    EXPECT_FALSE(FindUnchangedPhoto(kIndex, "b.png", 0, 2)) << "another time";
    EXPECT_FALSE(FindUnchangedPhoto(kIndex, "c.png", 0, 1));
    const PhotoIndex merged = MergePartialScan(kIndex, {{"c.jpg", 1, false, 1, 1}, {"b.png", 9, false, 9, 9}});
    ASSERT_EQ(merged.size(), 4u) << "nothing leaves on a partial scan";
    EXPECT_EQ(merged[1].taken, 9);
    EXPECT_EQ(merged[2].name, "c.jpg");
    PhotoIndex large(100000, PhotoEntry{"IMG_20240501_123456.jpg", 1, true, 2, 3});
    EXPECT_LE(PhotoIndexMemory(large), large.size() * (200 + large[0].name.size()));
}

TEST(PhotoFolderRules, PicturesPlaceholdersAndFoldersOfAScan) {
    constexpr uint32_t kDir = 0x10, kReparse = 0x400, kHiddenSystem = 0x6, kRecall = 0x400000, kOffline = 0x1000;
    constexpr uint32_t kCloud = 0x9000601A, kMountPoint = 0xA0000003, kSymlink = 0xA000000C;
    const struct {
        std::string name;
        uint32_t attributes, tag;
        bool subfolders;
        ScanEntry expected;
    } cases[] = {
        {"a.JPEG", 0x20, 0, false, ScanEntry::ReadPhoto},
        {"a.Png", 0x20, 0, false, ScanEntry::ReadPhoto},
        {"a.gif", 0x20, 0, true, ScanEntry::Skip},
        {"a.jpg", kRecall | kReparse, kCloud, false, ScanEntry::ListPhoto},
        {"a.jpg", kOffline, 0, false, ScanEntry::ListPhoto},
        {"2024", kDir, 0, true, ScanEntry::EnterFolder},
        {"2024", kDir, 0, false, ScanEntry::Skip},
        {"OneDrive", kDir | kReparse, kCloud, true, ScanEntry::EnterFolder},
        {"mounted", kDir | kReparse, kMountPoint, true, ScanEntry::Skip},
        {"link", kDir | kReparse, kSymlink, true, ScanEntry::Skip},
        {"$RECYCLE.BIN", kDir | kHiddenSystem, 0, true, ScanEntry::Skip},
        {"..", kDir, 0, true, ScanEntry::Skip},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyScanEntry(c.name, c.attributes, c.tag, c.subfolders), c.expected) << c.name;
}

TEST(PhotoFolderRules, OnlyChangesOfPicturesAndFoldersCostAScan) {
    const struct {
        FolderAction action;
        std::string name;
        bool isFolder, subfolders, scan;
    } cases[] = {
        {FolderAction::Removed, "IMG_1.jpg", false, false, true},
        {FolderAction::RenamedOld, "notes.txt", false, true, false},
        {FolderAction::Removed, "IMG_1.xmp", false, true, false},
        {FolderAction::Added, "notes.txt", false, false, false},
        {FolderAction::Removed, "2023", false, true, true},
        {FolderAction::Removed, "2023", false, false, false},
        {FolderAction::RenamedNew, "2023", true, true, true},
        {FolderAction::Modified, "2023", true, true, false},
        {FolderAction::Modified, "a.png", false, false, true},
        {FolderAction::Removed, "2024.05 Trip", false, true, true},
        {FolderAction::Removed, "2024\\2024.05", false, true, true},
        {FolderAction::RenamedOld, "Trip.Paris", false, true, true},
        {FolderAction::Removed, "Thumbs.db", false, true, false},
        {FolderAction::Removed, "2024.05 Trip", false, false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChangeNeedsScan(c.action, c.name, c.isFolder, c.subfolders), c.scan) << c.name;
}

TEST(PhotoFolderRules, OnePictureListOneFolderRuleDriveRoots) {
    EXPECT_EQ(PicturePattern(), "*.bmp;*.jpg;*.jpeg;*.png");
    for (const char* name : {"a.bmp", "A.JPG", "b.jpeg", "c.PNG"})
        EXPECT_TRUE(IsPictureName(name)) << name;
    for (const char* name : {"a.gif", "jpg", "a.jpg.txt"})
        EXPECT_FALSE(IsPictureName(name)) << name;
    const struct {
        std::string folder;
        int16_t order;
        PictureOrder expected;
    } orders[] = {{"", 1, PictureOrder::OneFile},
                  {"D:\\", 0, PictureOrder::OneFile},
                  {"D:\\", 2, PictureOrder::OneADay},
                  {"D:\\", 5, PictureOrder::Newest},
                  {"D:\\", -1, PictureOrder::Newest}};
    for (const auto& c : orders) {
        SettingRecord record;
        record.PictureFolder = c.folder;
        record.PictureOrder = c.order;
        EXPECT_EQ(OrderOf(record), c.expected) << c.order;
        EXPECT_EQ(UsesPictureFolder(record), c.expected != PictureOrder::OneFile);
    }
    const std::pair<std::string, std::string> paths[] = {
        {"D:\\", "D:\\"}, {"D:", "D:\\"}, {"D:\\photos\\", "D:\\photos"}, {"\\\\nas\\share\\", "\\\\nas\\share"}};
    for (const auto& [folder, expected] : paths)
        EXPECT_EQ(FolderPathForSystem(folder), expected);
}

}  // namespace
