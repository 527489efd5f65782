#pragma once
// The photos of a folder: every picture file the widget shows, with the date it was taken.
// The scan lists the folder and reads only photos that the index does not know as they are
// (new, or changed in size or time), and of those at most the first kPhotoHeadBytes of a JPEG,
// where its Exif data lies. A cloud placeholder is never opened (that would download it): its
// date is the file's time. Paths are UTF-8, in the platform's form.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "widget/core/PhotoFolderIndex.h"

inline constexpr size_t kPhotoHeadBytes = size_t{64} * 1024;

enum class FolderReach {
    Complete,     // every file of the folder was listed
    Unreachable,  // the folder is missing, or its listing failed (at the start or part-way)
    Stopped,      // the scan was asked to stop: what it learned is a part of the folder
};

struct PhotoFolderScan {
    FolderReach reach = FolderReach::Unreachable;
    PhotoIndex photos;  // sorted by name
    size_t opened = 0;  // how many photos were read for their date
    // Sub-folders that could not be listed (names below the folder): their photos as the index
    // knew them stay, and the tooltip names them.
    std::vector<std::string> skipped{};
};

// Asked between files: true ends the scan early (a newer scan is wanted, or the widget ends).
using ScanStopped = std::function<bool()>;

// Lists the folder (and its sub-folders when asked) and takes the date of every photo from
// `known` when it is unchanged there. Platform service.
PhotoFolderScan ScanPhotoFolder(const std::string& folder,
                                bool subfolders,
                                const PhotoIndex& known,
                                const ScanStopped& stopped = {});

// The entry of one photo below the folder, read as a scan reads it (a picture that arrived and
// was announced by the watch): nullopt when it is gone, no picture, or still being written.
// Platform service.
std::optional<PhotoEntry> ReadPhotoEntry(const std::string& folder, const std::string& name);

// What a listing that failed (at its start or part-way) means, from the platform's error code.
enum class ListingFailure {
    Empty,        // nothing to list: an empty drive's root
    SkipFolder,   // this sub-folder alone cannot be read (denied, too deep, damaged): it is skipped
    Unreachable,  // the folder itself, or the drive or share it lies on, cannot be reached
};
ListingFailure ClassifyListingError(uint32_t error, bool subfolder);

// The photos the index knew below the skipped sub-folders join the scan's (sorted) photos.
void KeepPhotosOfSkippedFolders(PhotoFolderScan& scan, const PhotoIndex& known);

// A path in the form that the system reads beyond MAX_PATH ("\\?\D:\...", "\\?\UNC\server\...")
// when it is that long; shorter paths, and those already in that form, are unchanged.
std::string LongPathForSystem(const std::string& path);
inline constexpr size_t kLongPathFrom = 248;  // a folder's path must leave room for an 8.3 name

// The full path of a photo of the folder (platform service: the platform's separator).
std::string PhotoPath(const std::string& folder, const std::string& name);

// The folder as the system names it for listing and watching: trailing separators go, except
// the one of a drive's root ("D:\" is the root, "D:" the drive's current folder).
std::string FolderPathForSystem(const std::string& folder);

// What the scan does with one entry of a listing, from its attributes (the platform's
// FILE_ATTRIBUTE_ bits) and, for a reparse point, its tag.
enum class ScanEntry {
    Skip,         // no picture, or a folder not entered (a link, a mount point, the system's own)
    EnterFolder,  // a sub-folder, a cloud folder among them (when sub-folders are asked for)
    ReadPhoto,    // a picture on the disk: its head is read for the date taken
    ListPhoto,    // a cloud placeholder or an offline file: its date is the file's time
};
ScanEntry ClassifyScanEntry(std::string_view name, uint32_t attributes, uint32_t reparseTag, bool subfolders);

// Which notifications of the folder's watch can change the photos shown.
enum class FolderAction { Added, Removed, Modified, RenamedOld, RenamedNew };
// True when a scan is needed; false for files that are no picture and for a sub-folder's own
// modification (its files are reported on their own). isFolder is known only for names that
// still exist.
bool ChangeNeedsScan(FolderAction action, std::string_view name, bool isFolder, bool subfolders);

// What an error of the folder's watch means, from the platform's error code. started: the watch
// had run before (false: its first request for notifications failed).
enum class WatchFailure {
    Rescan,       // too much happened to tell: the folder is listed again and the watch goes on
    CannotWatch,  // the folder is there but tells no changes (a share without notifications)
    Gone,         // the folder, its drive or its share went away
};
WatchFailure ClassifyWatchError(uint32_t error, bool started);

// The watch may open a settled picture to see whether its writer still holds it: never a cloud
// placeholder or an offline file, which the open would download.
bool WatchMayOpen(std::string_view name, uint32_t attributes);
