#pragma once
// One scan of a folder setting's folder, run on the folder's worker thread: the stored index is
// read (once a run), the folder listed with only new or changed photos read, the index stored
// again when it changed, and the photo the setting's order offers loaded and scaled, the next
// candidate whenever one cannot be loaded. Nothing here touches a window or the record.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/core/SettingRecord.h"
#include "widget/core/PhotoFolderScan.h"
#include "widget/core/PhotoFolderSetting.h"
#include "widget/win/PhotoLoader.h"

struct FolderJobRequest {
    uint32_t generation = 0;
    SettingRecord record;  // a copy, as it was when the scan started
    int settingNumber = 0;
    uint64_t entropy = 0;
    CalendarDate today;
    std::shared_ptr<const PhotoIndex> known;  // null: read the stored index first
    // Pictures the watch saw arrive in a folder whose index is whole: only these are read, and
    // the folder is not listed. Empty: the whole folder is listed.
    std::vector<std::string> arrivals;
    std::string indexPath;
    bool loadPhoto = true;      // false: the first candidate is taken unloaded (no window shows it)
    PhotoLoadRequest load;      // the setting's scaling, cache and the windows' DPI
    bool showsPicture = false;  // the windows hold the record's picture: it needs no new load
};

struct FolderJobResult {
    uint32_t generation = 0;
    FolderReach reach = FolderReach::Unreachable;
    std::shared_ptr<const PhotoIndex> index;  // what is known of the folder now
    bool empty = false;                       // the folder holds no photo
    std::optional<FolderCandidate> chosen;    // the photo that loaded (or is shown already)
    PhotoLoadResult picture;                  // its picture; empty when the windows keep theirs
};

FolderJobResult RunFolderJob(const FolderJobRequest& request, const ScanStopped& stopped);

// Where the index of a setting's folder is stored: beside the setting's cache.
std::string FolderIndexPath(const std::string& cachePath);
