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

namespace {

// A name that may be a folder's: no extension, or one no file type has (digits alone, a
// blank, a long word): "2024.05 Trip" was a folder, "Thumbs.db" and "IMG_1.xmp" were files.
bool FolderLikeName(std::string_view name) {
    const size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0)
        return true;
    const std::string_view extension = name.substr(dot + 1);
    bool letter = false;
    for (char c : extension) {
        const bool alpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alpha && !(c >= '0' && c <= '9'))
            return true;
        letter = letter || alpha;
    }
    return extension.empty() || extension.size() > 4 || !letter;
}

}  // namespace

ListingFailure ClassifyListingError(uint32_t error, bool subfolder) {
    // The platform's error codes that say the drive or the share itself is gone or not ready.
    constexpr uint32_t kFileNotFound = 2, kPathNotFound = 3, kNotReady = 21, kBadNetPath = 53, kNetworkBusy = 54,
                       kDeviceGone = 55, kUnexpectedNet = 59, kNetNameDeleted = 64, kBadNetName = 67,
                       kSemaphoreTimeout = 121, kNoSuchDevice = 433, kDeviceNotConnected = 1167,
                       kNetworkUnreachable = 1231, kHostUnreachable = 1232, kConnectionAborted = 1236;
    switch (error) {
        case kFileNotFound:  // an empty drive's root has no "." either
            return ListingFailure::Empty;
        case kPathNotFound:  // what was listed a moment ago went away: the listing missed it
        case kNotReady:
        case kBadNetPath:
        case kNetworkBusy:
        case kDeviceGone:
        case kUnexpectedNet:
        case kNetNameDeleted:
        case kBadNetName:
        case kSemaphoreTimeout:
        case kNoSuchDevice:
        case kDeviceNotConnected:
        case kNetworkUnreachable:
        case kHostUnreachable:
        case kConnectionAborted:
            return ListingFailure::Unreachable;
        default:
            return subfolder ? ListingFailure::SkipFolder : ListingFailure::Unreachable;
    }
}

void KeepPhotosOfSkippedFolders(PhotoFolderScan& scan, const PhotoIndex& known) {
    if (scan.skipped.empty())
        return;
    for (const PhotoEntry& photo : known)
        for (const std::string& folder : scan.skipped)
            if (photo.name.size() > folder.size() && photo.name.compare(0, folder.size(), folder) == 0 &&
                (photo.name[folder.size()] == '\\' || photo.name[folder.size()] == '/')) {
                scan.photos.push_back(photo);
                break;
            }
    SortPhotoIndex(scan.photos);
}

std::string LongPathForSystem(const std::string& path) {
    if (path.size() < kLongPathFrom || path.starts_with("\\\\?\\") || path.starts_with("\\\\.\\"))
        return path;
    std::string system = path;
    for (char& c : system)
        c = c == '/' ? '\\' : c;  // the long form takes the path as it is: no other separator
    if (system.starts_with("\\\\"))
        return "\\\\?\\UNC\\" + system.substr(2);
    return system.size() > 2 && system[1] == ':' ? "\\\\?\\" + system : path;
}

bool ChangeNeedsScan(FolderAction action, std::string_view name, bool isFolder, bool subfolders) {
    const bool gone = action == FolderAction::Removed || action == FolderAction::RenamedOld;
    if (gone) {
        // What left cannot be asked whether it was a folder: any name that may have been one
        // may have taken photos with it.
        const std::string_view last = name.substr(name.find_last_of("\\/") + 1);
        return IsPictureName(name) || (subfolders && FolderLikeName(last));
    }
    if (isFolder)  // a folder moved in brings its photos; a folder's own change is its files'
        return subfolders && action != FolderAction::Modified;
    return IsPictureName(name);
}

WatchFailure ClassifyWatchError(uint32_t error, bool started) {
    constexpr uint32_t kInvalidFunction = 1, kNotSupported = 50, kInvalidParameter = 87, kNotifyEnumDir = 1022;
    if (error == kNotifyEnumDir)
        return WatchFailure::Rescan;
    const bool unsupported = error == kInvalidFunction || error == kNotSupported || error == kInvalidParameter;
    return unsupported && !started ? WatchFailure::CannotWatch : WatchFailure::Gone;
}

bool WatchMayOpen(std::string_view name, uint32_t attributes) {
    return ClassifyScanEntry(name, attributes, 0, false) == ScanEntry::ReadPhoto;
}
