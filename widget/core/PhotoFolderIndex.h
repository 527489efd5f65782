#pragma once
// What the widget knows of a folder's photos: each photo's name, size, last-write time and the
// date it was taken. Kept in memory while the widget runs and stored beside the setting's cache,
// so that a rescan, and the next start, read only the photos that are new or changed. The stored
// form names its folder and ends in a checksum: a damaged index, or one of another folder, is
// not taken and the folder is read anew.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/CalendarDate.h"
#include "widget/core/ExifReader.h"

struct PhotoEntry {
    std::string name;        // the path below the folder, UTF-8
    LocalSeconds taken = 0;  // the Exif date taken, else the file's last-write time
    bool takenFromExif = false;
    uint64_t size = 0;    // bytes
    int64_t written = 0;  // the file's last-write time as the file system gives it (its own unit)

    bool operator==(const PhotoEntry&) const = default;
};

// A file's entry from its last-write time (local wall clock) and its first bytes, of which only
// a JPEG's Exif date is read; fileSize and written as the file system gives them.
PhotoEntry MakePhotoEntry(std::string name,
                          LocalSeconds lastWrite,
                          const uint8_t* head,
                          size_t size,
                          uint64_t fileSize = 0,
                          int64_t written = 0);

// The photos of a folder, sorted by name (byte order): a scan looks a name up in it.
using PhotoIndex = std::vector<PhotoEntry>;

void SortPhotoIndex(PhotoIndex& photos);
// The entry of `name` when it still describes the file of this size and last-write time.
const PhotoEntry* FindUnchangedPhoto(const PhotoIndex& index, std::string_view name, uint64_t size, int64_t written);
// What a scan that stopped part-way learned, put into the index: its entries replace or join
// those of the same name; nothing leaves (the scan did not see the whole folder).
PhotoIndex MergePartialScan(const PhotoIndex& index, PhotoIndex learned);

// The index as it is stored, and read back: nullopt for bytes that are damaged, of another
// format, or of another folder or sub-folder choice.
std::string EncodePhotoIndex(const std::string& folder, bool subfolders, const PhotoIndex& photos);
std::optional<PhotoIndex> DecodePhotoIndex(std::string_view bytes, const std::string& folder, bool subfolders);

// The change of the index after a scan is appended to a log beside the stored index instead of
// rewriting it whole (8 MB at 100,000 photos): the log starts with the checksum of the stored
// index it follows, so that a log left from an older index is not taken, and each record
// carries its own checksum, so that one cut off by a crash ends the log without harm. Now and
// then the index is written whole again and the log starts anew.
std::string EncodePhotoIndexLogStart(uint64_t indexSum);
// The records that turn `before` into `after` (both sorted by name).
std::string EncodePhotoIndexChanges(const PhotoIndex& before, const PhotoIndex& after);
// The checksum the stored index ends with (0 for bytes that are no index).
uint64_t StoredPhotoIndexSum(std::string_view stored);
// The log's records applied to the index read with that checksum, up to the first damaged one;
// the index stays sorted with each name once. False when the log follows another index.
bool ApplyPhotoIndexLog(std::string_view log, uint64_t indexSum, PhotoIndex& photos);

// The bytes the index holds in memory, its names' characters included.
size_t PhotoIndexMemory(const PhotoIndex& photos);
