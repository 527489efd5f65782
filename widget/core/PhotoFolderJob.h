#pragma once
// One scan of a folder setting's folder, run on the folder's worker thread: the stored index is
// read (once a run), the folder listed with only new or changed photos read, the index stored
// again when it changed, and the photo the setting's order offers loaded and scaled, the next
// candidate whenever one cannot be loaded. The job scales its photo into a file of its own,
// which becomes the setting's cache only when its result is taken: a job superseded meanwhile
// can never put an older photo in the cache. Nothing here touches a window or the record.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/core/SettingRecord.h"
#include "widget/core/PhotoFolderScan.h"
#include "widget/core/PhotoFolderSetting.h"

// What lies on the disk of the index the job starts from: the stored index's checksum and size,
// and the bytes of the log that follows it. sum 0: unknown, the next change is written whole.
struct StoredIndex {
    uint64_t sum = 0;
    size_t bytes = 0;
    size_t logBytes = 0;
};

struct FolderJobRequest {
    uint32_t generation = 0;
    SettingRecord record;  // a copy, as it was when the scan started
    int settingNumber = 0;
    uint64_t entropy = 0;
    CalendarDate today;
    std::shared_ptr<const PhotoIndex> known;  // null: read the stored index first
    StoredIndex stored;                       // of known, when it is given
    // Pictures the watch saw arrive in a folder whose index is whole: only these are read, and
    // the folder is not listed. Empty: the whole folder is listed.
    std::vector<std::string> arrivals;
    std::string indexPath;
    bool loadPhoto = true;      // false: the first candidate is taken unloaded (no window shows it)
    bool showsPicture = false;  // the windows hold the record's picture
    // The photo the windows show as it was when it was loaded; nullopt before the first scan of
    // a run, when the stored index tells what the last run's cache was made from.
    std::optional<PhotoEntry> shown;
};

// What the job needs of the platform beyond the scan.
class FolderJobPlatform {
public:
    // The stored index or its log ("" when there is none).
    virtual std::string ReadIndex(const std::string& path) = 0;
    // Puts the file in place as a whole; false leaves the old one.
    virtual bool WriteIndex(const std::string& path, const std::string& bytes) = 0;
    // Adds the bytes at the log's end; false when they may not all be there.
    virtual bool AppendIndexLog(const std::string& path, const std::string& bytes) = 0;
    // Loads the photo at path, scaled for the windows into the job's own file; true when it loaded.
    virtual bool LoadPhoto(const std::string& path) = 0;

protected:
    ~FolderJobPlatform() = default;
};

struct FolderJobResult {
    uint32_t generation = 0;
    FolderReach reach = FolderReach::Unreachable;
    std::shared_ptr<const PhotoIndex> index;  // what is known of the folder now
    StoredIndex stored;                       // of index
    bool empty = false;                       // the folder holds no photo
    std::optional<FolderCandidate> chosen;    // the photo that loaded (or is shown already)
    bool loaded = false;                      // the platform loaded it (else the windows keep theirs)
    std::vector<std::string> skipped;         // sub-folders that could not be listed
};

FolderJobResult RunFolderJob(const FolderJobRequest& request, const ScanStopped& stopped, FolderJobPlatform& platform);

// The windows' picture is the candidate as it is now: the same file, unchanged in size and
// write time since it was loaded (an edit in place, a webcam's "latest.jpg", is loaded anew).
// known: the index before this scan, which tells what the last run's picture was made from.
bool ShownPhotoIsCurrent(const FolderJobRequest& request, const PhotoIndex& known, const FolderCandidate& candidate);

// Where the index of a setting's folder is stored: beside the setting's cache; its log beside it.
std::string FolderIndexPath(const std::string& cachePath);
std::string FolderIndexLogPath(const std::string& indexPath);
// The file a job scales its photo into, beside the setting's cache: unique to the process and job.
std::string FolderJobPicturePath(const std::string& cachePath, uint32_t process, uint32_t job);
