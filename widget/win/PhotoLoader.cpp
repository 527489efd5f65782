#include "widget/win/PhotoLoader.h"

#include <windows.h>

#include <vector>

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "widget/core/BmpFile.h"
#include "widget/core/PhotoDpi.h"
#include "widget/core/PhotoFolderScan.h"
#include "widget/core/PhotoScaling.h"
#include "widget/core/PictureTypes.h"
#include "widget/win/PictureDecoders.h"
#include "widget/win/WicPicture.h"

namespace {

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    return CloseWrittenFile(file) && ok;
}

std::shared_ptr<const PixelImage> Shared(std::optional<PixelImage> picture) {
    if (!picture)
        return nullptr;
    return std::make_shared<const PixelImage>(std::move(*picture));
}

// The DPI the cache was made for, from its header; nullopt when there is no readable cache.
std::optional<int> CacheDpi(const PhotoLoadRequest& request) {
    if (request.isStretched == 0 || request.isStretchBmpCashed == 0 || request.cachePath.empty())
        return std::nullopt;
    UniqueFile file(CreateFileW(Widen(request.cachePath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    uint8_t header[54];
    DWORD read = 0;
    if (!file || !ReadFile(file.Get(), header, sizeof header, &read, nullptr))
        return std::nullopt;
    return CacheBmpDpi(header, read);
}

PhotoLoadResult LoadOrFail(const PhotoLoadRequest& request) {
    PhotoLoadResult result{nullptr, request.isStretchBmpCashed, std::nullopt, false};
    const PhotoSource source =
        ChoosePhotoSourceAt(request.isStretched, request.isStretchBmpCashed, CacheDpi(request), request.dpi);
    // Where the picture file is read anyway; a cache hit leaves it alone.
    result.dateRead = request.readDateTaken && source != PhotoSource::Cache;
    switch (source) {
        case PhotoSource::NaturalSize:
            result.picture = Shared(ReadPictureAtNaturalSize(request.picturePath));
            break;
        case PhotoSource::Cache:
            // The cache is taken as it is, even when the picture file has changed since.
            result.picture = Shared(ReadCacheFile(request.cachePath));
            break;
        case PhotoSource::Scale:
            result.picture =
                Shared(ReadPictureScaled(request.picturePath, request.pictureSize, request.scaleSide, request.dpi));
            // A cache that cannot be written leaves the flag stale, and the next load scales again.
            if (result.picture)
                result.isStretchBmpCashed = WriteCacheFile(request.cachePath, *result.picture, request.dpi) ? 1 : 0;
            break;
    }
    return result;
}

}  // namespace

std::optional<LocalSeconds> ReadPictureDateTaken(const std::string& path) {
    if (path.empty())
        return std::nullopt;
    // Kinds whose Exif the project's own reader cannot reach go through the installed decoder.
    if (!HasExifHead(path))
        return MetadataDateTaken(path);
    UniqueFile file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    std::vector<uint8_t> head(kPhotoHeadBytes);
    DWORD read = 0;
    if (!file || !ReadFile(file.Get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr))
        return std::nullopt;
    return ReadExifDateTaken(head.data(), read);
}

std::string ReadWholeFile(const std::string& path, size_t limit) {
    UniqueFile file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 ||
        static_cast<uint64_t>(size.QuadPart) > limit)
        return {};
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
        return {};
    return bytes;
}

std::optional<PixelImage> ReadPictureAtNaturalSize(const std::string& path) {
    std::optional<WicPicture> picture = OpenWicPicture(path, kMaxShownPixels);
    if (!picture)
        return std::nullopt;
    return ReadNaturalSize(*picture);
}

std::optional<PixelImage> ReadCacheFile(const std::string& path) {
    // A cache of the largest picture shown: 3 bytes a pixel and a header.
    constexpr size_t kLargestCache = static_cast<size_t>(kMaxShownPixels) * 3 + 4096;
    if (std::optional<PixelImage> own = DecodeBmp24(ReadWholeFile(path, kLargestCache), kMaxShownPixels))
        return own;
    return ReadPictureAtNaturalSize(path);  // a cache replaced by another program's bitmap
}

std::optional<PixelImage> ReadPictureScaled(const std::string& path, int16_t pictureSize, ScaleSide side, int dpi) {
    std::optional<WicPicture> picture = OpenWicPicture(path, kMaxScaledSourcePixels);
    if (!picture)
        return std::nullopt;
    PixelSize shown = picture->Shown();
    std::optional<PixelSize> target = PhotoTargetSize(shown, 1, pictureSize, side, dpi);
    if (!target)
        return std::nullopt;
    return ReadScaled(*picture, *target);
}

bool ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    if (path.empty())
        return false;
    std::wstring target = Widen(path);
    std::wstring temporary = target + L".new";
    if (!WriteWholeFile(temporary, bytes) ||
        !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

bool WriteCacheFile(const std::string& path, const PixelImage& picture, int dpi) {
    return ReplaceWholeFile(path, EncodeBmp24(picture, dpi));
}

PhotoLoadResult LoadPhotoPicture(const PhotoLoadRequest& request) {
    try {
        PhotoLoadResult result = LoadOrFail(request);
        if (result.dateRead)
            result.dateTaken = ReadPictureDateTaken(request.picturePath);
        return result;
    } catch (...) {  // out of memory for a huge picture, above all
        return {nullptr, request.isStretchBmpCashed, std::nullopt, false};
    }
}
