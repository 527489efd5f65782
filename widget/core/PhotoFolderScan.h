#pragma once
// The photos of a folder: every picture file the widget reads, with the date it was taken.
// The scan keeps only a name and a date per file and reads at most the first kPhotoHeadBytes
// of a JPEG (where its Exif data lies), so a folder of tens of thousands of photos is listed
// in one pass without reading the pictures themselves. Paths are UTF-8, in the platform's form.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "widget/core/PhotoChoice.h"

inline constexpr size_t kPhotoHeadBytes = 64 * 1024;

// .bmp, .jpg, .jpeg and .png, in any case.
bool IsPictureName(std::string_view name);
bool IsJpegName(std::string_view name);

struct PictureFolderScan {
    bool reachable = false;  // false: the folder is missing or cannot be listed
    std::vector<PhotoEntry> photos;
};

// Lists the folder (and its sub-folders when asked; links to folders are not followed).
// Files that cannot be opened, for instance while another program writes them, are left out.
// Platform service.
PictureFolderScan ScanPictureFolder(const std::string& folder, bool subfolders);

// The full path of a photo of the folder (platform service: the platform's separator).
std::string PhotoPath(const std::string& folder, const std::string& name);
