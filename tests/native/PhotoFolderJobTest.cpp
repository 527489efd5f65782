#include <gtest/gtest.h>

#include <map>

#include "tests/native/ProfileTestFolder.h"
#include "widget/core/PhotoFolderJob.h"

namespace {

// The job's files in memory; a load succeeds for every picture and is counted.
class StandInPlatform final : public FolderJobPlatform {
public:
    std::string ReadIndex(const std::string& path) override { return files[path]; }
    bool WriteIndex(const std::string& path, const std::string& bytes) override {
        files[path] = bytes;
        return true;
    }
    bool AppendIndexLog(const std::string& path, const std::string& bytes) override {
        files[path] += bytes;
        return true;
    }
    bool LoadPhoto(const std::string&) override { return ++loads > 0; }
    int loads = 0;
    std::map<std::string, std::string> files;
};

TEST(PhotoFolderJob, AShownPhotoThatChangedIsLoadedAgain) {
    ProfileTestFolder folder;
    WriteBytes(folder.File("latest.png"), "first");
    FolderJobRequest request;
    request.record.PictureFolder = folder.Path().string();
    request.record.PictureOrder = 1;
    request.record.PictureFile = folder.File("latest.png");
    request.indexPath = "index";
    request.showsPicture = true;
    StandInPlatform platform;
    const FolderJobResult start = RunFolderJob(request, {}, platform);
    ASSERT_TRUE(start.chosen);
    EXPECT_EQ(platform.loads, 1) << "no stored index tells what the last run's cache was made from";
    EXPECT_FALSE(RunFolderJob(request, {}, platform).loaded) << "a start: the stored index knows the file as it is";
    request.known = start.index;
    request.shown = start.chosen->photo;
    EXPECT_FALSE(RunFolderJob(request, {}, platform).loaded) << "unchanged: the windows keep theirs";
    WriteBytes(folder.File("latest.png"), "edited in place");
    EXPECT_TRUE(RunFolderJob(request, {}, platform).loaded);
    request.known.reset();
    request.shown.reset();
    EXPECT_FALSE(RunFolderJob(request, {}, platform).loaded) << "the edit was stored with the index";
}

TEST(PhotoFolderJob, ArrivalsAloneAreReadAndAppendedToTheStoredIndex) {
    ProfileTestFolder folder;
    WriteBytes(folder.File("a.png"), "a");
    FolderJobRequest request;
    request.record.PictureFolder = folder.Path().string();
    request.record.PictureOrder = 1;
    request.indexPath = "index";
    StandInPlatform platform;
    const FolderJobResult start = RunFolderJob(request, {}, platform);
    request.known = start.index;
    request.stored = start.stored;
    WriteBytes(folder.File("z.png"), "z");
    WriteBytes(folder.File("unannounced.png"), "u");
    request.arrivals = {"z.png"};
    const std::string stored = platform.files["index"];
    FolderJobResult result = RunFolderJob(request, {}, platform);
    ASSERT_EQ(result.index->size(), 2u);
    EXPECT_EQ(result.index->back().name, "z.png");
    EXPECT_EQ(platform.files["index"], stored) << "an arrival is appended to the log, the index stays";
    EXPECT_LT(platform.files[FolderIndexLogPath("index")].size(), 200u);
    std::filesystem::remove(folder.File("unannounced.png"));
    const std::map<std::string, std::string> files = platform.files;
    FolderJobRequest restart;
    restart.record = request.record;
    restart.indexPath = "index";
    EXPECT_EQ(RunFolderJob(restart, {}, platform).index->size(), 2u);
    EXPECT_EQ(platform.files, files) << "a start reads the index and its log, and finds nothing to store";
}

}  // namespace
