#include "widget/win/PhotoFolderJob.h"

namespace {

// An index file larger than this is no index of ours.
constexpr size_t kLargestIndex = 256u * 1024 * 1024;

std::shared_ptr<const PhotoIndex> KnownIndex(const FolderJobRequest& request) {
    if (request.known)
        return request.known;
    const bool subfolders = request.record.PictureSubfolders != 0;
    std::optional<PhotoIndex> stored =
        DecodePhotoIndex(ReadWholeFile(request.indexPath, kLargestIndex), request.record.PictureFolder, subfolders);
    return std::make_shared<const PhotoIndex>(stored ? std::move(*stored) : PhotoIndex());
}

// The first candidate that loads; the one the windows show already needs no load.
void ChooseAndLoad(const FolderJobRequest& request, const PhotoIndex& photos, FolderJobResult& result) {
    const std::vector<FolderCandidate> candidates =
        FolderCandidates(request.record, photos, request.today, request.settingNumber, request.entropy);
    result.empty = candidates.empty();
    for (const FolderCandidate& candidate : candidates) {
        if (!request.loadPhoto || (request.showsPicture && candidate.path == request.record.PictureFile)) {
            result.chosen = candidate;
            return;
        }
        PhotoLoadRequest load = request.load;
        load.picturePath = candidate.path;
        load.isStretchBmpCashed = 0;
        result.picture = LoadPhotoPicture(load);
        if (result.picture.picture) {
            result.chosen = candidate;
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

}  // namespace

FolderJobResult RunFolderJob(const FolderJobRequest& request, const ScanStopped& stopped) {
    FolderJobResult result;
    result.generation = request.generation;
    const std::shared_ptr<const PhotoIndex> known = KnownIndex(request);
    const bool subfolders = request.record.PictureSubfolders != 0;
    PhotoFolderScan scan = request.arrivals.empty() || !request.known
                               ? ScanPhotoFolder(request.record.PictureFolder, subfolders, *known, stopped)
                               : ReadArrivals(request, *known);
    result.reach = scan.reach;
    if (scan.reach == FolderReach::Unreachable) {
        result.index = known;  // what was known stays: the folder may come back as it was
        return result;
    }
    auto index = std::make_shared<const PhotoIndex>(scan.reach == FolderReach::Complete
                                                        ? std::move(scan.photos)
                                                        : MergePartialScan(*known, std::move(scan.photos)));
    if (*index != *known)
        ReplaceWholeFile(request.indexPath, EncodePhotoIndex(request.record.PictureFolder, subfolders, *index));
    result.index = index;
    if (scan.reach == FolderReach::Complete && !(stopped && stopped()))
        ChooseAndLoad(request, *index, result);
    return result;
}

std::string FolderIndexPath(const std::string& cachePath) {
    const size_t dot = cachePath.find_last_of('.');
    return (dot == std::string::npos ? cachePath : cachePath.substr(0, dot)) + ".idx";
}
