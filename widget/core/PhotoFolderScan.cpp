#include "widget/core/PhotoFolderScan.h"

#include "widget/core/PictureTypes.h"

namespace {

// The file attribute bits the scan looks at, as the platform defines them.
constexpr uint32_t kHidden = 0x2, kSystem = 0x4, kDirectory = 0x10, kReparsePoint = 0x400, kOffline = 0x1000,
                   kRecallOnOpen = 0x40000, kRecallOnDataAccess = 0x400000;
// The cloud files' reparse tags: 0x9000001A with any of sixteen values in bits 12 to 15.
constexpr uint32_t kCloudTag = 0x9000001A, kCloudTagMask = 0x0000F000;

bool IsCloudTag(uint32_t tag) {
    return (tag & ~kCloudTagMask) == kCloudTag;
}

bool IsDriveRoot(const std::string& folder) {
    return folder.size() == 3 && folder[1] == ':' && (folder[2] == '\\' || folder[2] == '/');
}

}  // namespace

std::string FolderPathForSystem(const std::string& folder) {
    std::string path = folder;
    while (!path.empty() && (path.back() == '\\' || path.back() == '/') && !IsDriveRoot(path) && path != "/")
        path.pop_back();
    if (path.size() == 2 && path[1] == ':')
        path += '\\';  // "D:" alone names the drive's current folder, not its root
    return path;
}

ScanEntry ClassifyScanEntry(std::string_view name, uint32_t attributes, uint32_t reparseTag, bool subfolders) {
    const bool reparse = attributes & kReparsePoint;
    if (attributes & kDirectory) {
        // A link or mount point may lead back up the tree or onto another drive; the recycle
        // bin and the like are the system's. A cloud folder is an ordinary folder of the user's.
        const bool followed = !reparse || IsCloudTag(reparseTag);
        const bool systems = (attributes & kHidden) && (attributes & kSystem);
        const bool dots = name == "." || name == "..";
        return subfolders && followed && !systems && !dots ? ScanEntry::EnterFolder : ScanEntry::Skip;
    }
    if (!IsPictureName(name))
        return ScanEntry::Skip;
    const bool placeholder = attributes & (kOffline | kRecallOnOpen | kRecallOnDataAccess);
    return placeholder ? ScanEntry::ListPhoto : ScanEntry::ReadPhoto;
}

bool ChangeNeedsScan(FolderAction action, std::string_view name, bool isFolder, bool subfolders) {
    const bool gone = action == FolderAction::Removed || action == FolderAction::RenamedOld;
    if (gone) {
        // What left cannot be asked whether it was a folder: a name without an extension may
        // have been one, and its photos with it.
        const std::string_view last = name.substr(name.find_last_of("\\/") + 1);
        return IsPictureName(name) || (subfolders && last.find('.') == std::string_view::npos);
    }
    if (isFolder)  // a folder moved in brings its photos; a folder's own change is its files'
        return subfolders && action != FolderAction::Modified;
    return IsPictureName(name);
}
