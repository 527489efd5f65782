#include <gtest/gtest.h>

#include "widget/core/PictureChoice.h"
#include "widget/core/PimmoTexts.h"

namespace {

using namespace std::string_literals;

TEST(PhotoScalingChoice, DialogShowsTheCurrentPicturesFolder) {
    PictureDialogRequest request = MakePictureDialogRequest("C:\\photos\\kid.jpg");
    EXPECT_EQ(request.filter, "Pimmoの写真\0*.bmp;*.jpg;*.jpeg;*.png"s);
    EXPECT_EQ(request.initialFolder, "C:\\photos\\");
    EXPECT_EQ(request.title, "Pimmoの写真を選択してください");
    EXPECT_EQ(MakePictureDialogRequest("").initialFolder, "");
}

TEST(PhotoScalingChoice, ANewPathMakesTheCacheStale) {
    const struct {
        const char* current;
        const char* chosen;
        const char* stored;
        int16_t flag;
    } kCases[] = {
        {"C:\\a.jpg", "C:\\b.jpg", "C:\\b.jpg", 0}, {"C:\\a.jpg", "C:\\a.jpg", "C:\\a.jpg", 1},
        {"C:\\a.jpg", "C:\\A.JPG", "C:\\A.JPG", 0},  // compared exactly
        {"C:\\a.jpg", "", "C:\\a.jpg", 1},           // nothing chosen
        {"", "C:\\b.bmp", "C:\\b.bmp", 0},
    };
    for (const auto& c : kCases) {
        SettingRecord record;
        record.PictureFile = c.current;
        record.IsStretchBmpCashed = 1;
        TakePicture(record, c.chosen);
        EXPECT_EQ(record.PictureFile, c.stored) << c.chosen;
        EXPECT_EQ(record.IsStretchBmpCashed, c.flag) << c.chosen;
    }
}

TEST(PhotoScalingChoice, OnlyPicturesMayBeDropped) {
    const struct {
        const char* path;
        bool accepted;
    } kCases[] = {
        {"C:\\p\\photo.JPG", true},      {"C:\\p\\photo.jpg", true}, {"C:\\p\\photo.bmp", true},
        {"C:\\p\\photo.Bmp", true},      {"C:\\p\\写真.jpg", true},  {"C:\\p.x\\photo.jpeg", true},
        {"C:\\p\\photo.gif", false},     {"C:\\p\\photo", false},    {"C:\\p.jpg\\photo", false},
        {"C:\\p\\photo.jpg.txt", false}, {"C:\\p\\photo.", false},   {"C:\\p\\.jpg", true},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(IsDroppablePicture(c.path), c.accepted) << c.path;
    EXPECT_EQ(std::string(Text(PimmoText::DropRefusal)), "BMPないしはJPGファイルをドロップしてください");
}

}  // namespace
