#include "widget/core/PhotoFolderJob.h"

#include <algorithm>

namespace {

// A log no longer than this, or an eighth of the index, is appended to; a longer one is folded in.
constexpr size_t kSmallestLogLimit = size_t{64} * 1024;

std::shared_ptr<const PhotoIndex> KnownIndex(const FolderJobRequest& request,
                                             FolderJobPlatform& platform,
                                             StoredIndex& stored) {
    stored = request.stored;
    if (request.known)
        return request.known;
    const bool subfolders = request.record.PictureSubfolders != 0;
    const std::string bytes = platform.ReadIndex(request.indexPath);
    std::optional<PhotoIndex> photos = DecodePhotoIndex(bytes, request.record.PictureFolder, subfolders);
    stored = {};
    if (!photos)
        return std::make_shared<const PhotoIndex>();
    stored = {StoredPhotoIndexSum(bytes), bytes.size(), 0};
    const std::string log = platform.ReadIndex(FolderIndexLogPath(request.indexPath));
    if (ApplyPhotoIndexLog(log, stored.sum, *photos))
        stored.logBytes = log.size();
    return std::make_shared<const PhotoIndex>(std::move(*photos));
}

// The change goes to the log while the log stays small against the index; else the index is
// written whole and the next change starts a new log.
StoredIndex StoreIndex(const FolderJobRequest& request,
                       const StoredIndex& stored,
                       const std::string& changes,
                       const PhotoIndex& after,
                       FolderJobPlatform& platform) {
    const std::string logPath = FolderIndexLogPath(request.indexPath);
    if (stored.sum != 0) {
        const bool fresh = stored.logBytes == 0;
        const std::string bytes = fresh ? EncodePhotoIndexLogStart(stored.sum) + changes : changes;
        if (stored.logBytes + bytes.size() <= std::max(kSmallestLogLimit, stored.bytes / 8) &&
            (fresh ? platform.WriteIndex(logPath, bytes) : platform.AppendIndexLog(logPath, bytes)))
            return {stored.sum, stored.bytes, stored.logBytes + bytes.size()};
    }
    const bool subfolders = request.record.PictureSubfolders != 0;
    const std::string whole = EncodePhotoIndex(request.record.PictureFolder, subfolders, after);
    if (!platform.WriteIndex(request.indexPath, whole))
        return {};
    return {StoredPhotoIndexSum(whole), whole.size(), 0};  // a log of the old index is no longer taken
}

// The first candidate that loads; the one the windows show already, unchanged, needs no load.
void ChooseAndLoad(const FolderJobRequest& request,
                   const PhotoIndex& known,
                   const PhotoIndex& photos,
                   FolderJobPlatform& platform,
                   FolderJobResult& result) {
    const std::vector<FolderCandidate> candidates =
        FolderCandidates(request.record, photos, request.today, request.settingNumber, request.entropy);
    result.empty = candidates.empty();
    for (const FolderCandidate& candidate : candidates) {
        if (!request.loadPhoto || ShownPhotoIsCurrent(request, known, candidate)) {
            result.chosen = candidate;
            return;
        }
        if (platform.LoadPhoto(candidate.path)) {
            result.chosen = candidate;
            result.loaded = true;
            return;
        }
    }
}

// The arrivals alone, read into the index: a complete picture of the folder as the watch saw it.
PhotoFolderScan ReadArrivals(const FolderJobRequest& request, const PhotoIndex& known) {
    PhotoFolderScan scan;
    PhotoIndex learned;
    for (const std::string& name : request.arrivals)
        if (std::optional<PhotoEntry> entry = ReadPhotoEntry(request.record.PictureFolder, name))
            learned.push_back(std::move(*entry));
    scan.reach = FolderReach::Complete;
    scan.opened = learned.size();
    scan.photos = MergePartialScan(known, std::move(learned));
    return scan;
}

bool SameFile(const PhotoEntry& a, const PhotoEntry& b) {
    return a.name == b.name && a.size == b.size && a.written == b.written;
}

}  // namespace

bool ShownPhotoIsCurrent(const FolderJobRequest& request, const PhotoIndex& known, const FolderCandidate& candidate) {
    if (!request.showsPicture || candidate.path != request.record.PictureFile)
        return false;
    if (request.shown)
        return SameFile(*request.shown, candidate.photo);
    // The last run's picture: the stored index names the file as it was scanned then.
    const PhotoEntry& photo = candidate.photo;
    return FindUnchangedPhoto(known, photo.name, photo.size, photo.written) != nullptr;
}

FolderJobResult RunFolderJob(const FolderJobRequest& request, const ScanStopped& stopped, FolderJobPlatform& platform) {
    FolderJobResult result;
    result.generation = request.generation;
    StoredIndex stored;
    const std::shared_ptr<const PhotoIndex> known = KnownIndex(request, platform, stored);
    const bool subfolders = request.record.PictureSubfolders != 0;
    PhotoFolderScan scan = request.arrivals.empty() || !request.known
                               ? ScanPhotoFolder(request.record.PictureFolder, subfolders, *known, stopped)
                               : ReadArrivals(request, *known);
    result.reach = scan.reach;
    result.skipped = std::move(scan.skipped);
    if (scan.reach == FolderReach::Unreachable) {
        result.index = known;  // what was known stays: the folder may come back as it was
        result.stored = stored;
        return result;
    }
    auto index = std::make_shared<const PhotoIndex>(scan.reach == FolderReach::Complete
                                                        ? std::move(scan.photos)
                                                        : MergePartialScan(*known, std::move(scan.photos)));
    // The records of what changed, found in one pass: none, and nothing is stored.
    const std::string changes = EncodePhotoIndexChanges(*known, *index);
    result.stored = changes.empty() ? stored : StoreIndex(request, stored, changes, *index, platform);
    result.index = index;
    if (scan.reach == FolderReach::Complete && !(stopped && stopped()))
        ChooseAndLoad(request, *known, *index, platform, result);
    return result;
}

std::string FolderIndexPath(const std::string& cachePath) {
    const size_t dot = cachePath.find_last_of('.');
    return (dot == std::string::npos ? cachePath : cachePath.substr(0, dot)) + ".idx";
}

std::string FolderIndexLogPath(const std::string& indexPath) {
    return indexPath + "-log";
}

std::string FolderJobPicturePath(const std::string& cachePath, uint32_t process, uint32_t job) {
    return cachePath + "." + std::to_string(process) + "-" + std::to_string(job) + ".tmp";
}
