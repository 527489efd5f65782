#include "PhotoLoader.h"

#include <windows.h>

#include "BmpFile.h"
#include "PhotoScaling.h"
#include "Unicode.h"
#include "UniqueHandles_win.h"
#include "WicPicture.h"

namespace {

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    // A failed close may mean the bytes never reached the disk.
    return CloseHandle(file.Release()) && ok;
}

std::shared_ptr<const PixelImage> Shared(std::optional<PixelImage> picture) {
    if (!picture)
        return nullptr;
    return std::make_shared<const PixelImage>(std::move(*picture));
}

PhotoLoadResult LoadOrFail(const PhotoLoadRequest& request) {
    PhotoLoadResult result{nullptr, request.isStretchBmpCashed};
    switch (ChoosePhotoSource(request.isStretched, request.isStretchBmpCashed)) {
        case PhotoSource::NaturalSize:
            result.picture = Shared(ReadPictureAtNaturalSize(request.picturePath));
            break;
        case PhotoSource::Cache:
            // The cache is taken as it is, even when the picture file has changed since.
            result.picture = Shared(ReadPictureAtNaturalSize(request.cachePath));
            break;
        case PhotoSource::Scale:
            result.picture = Shared(ReadPictureScaled(request.picturePath, request.pictureSize, request.stretchMode));
            // A cache that cannot be written leaves the flag stale, and the next load scales again.
            if (result.picture)
                result.isStretchBmpCashed = WriteCacheFile(request.cachePath, *result.picture) ? 1 : 0;
            break;
    }
    return result;
}

}  // namespace

std::optional<PixelImage> ReadPictureAtNaturalSize(const std::string& path) {
    std::optional<WicPicture> picture = OpenWicPicture(path, kMaxShownPixels);
    if (!picture)
        return std::nullopt;
    return ReadNaturalSize(*picture);
}

std::optional<PixelImage> ReadPictureScaled(const std::string& path, int16_t pictureSize, int16_t stretchMode) {
    std::optional<WicPicture> picture = OpenWicPicture(path, kMaxScaledSourcePixels);
    if (!picture)
        return std::nullopt;
    PixelSize shown = picture->Shown();
    std::optional<PixelSize> target = ScaledPictureSize(shown.width, shown.height, pictureSize, stretchMode);
    if (!target)
        return std::nullopt;
    return ReadScaled(*picture, *target);
}

bool WriteCacheFile(const std::string& path, const PixelImage& picture) {
    if (path.empty())
        return false;
    std::wstring target = Widen(path);
    std::wstring temporary = target + L".new";
    if (!WriteWholeFile(temporary, EncodeBmp24(picture)) ||
        !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

PhotoLoadResult LoadPhotoPicture(const PhotoLoadRequest& request) {
    try {
        return LoadOrFail(request);
    } catch (...) {  // out of memory for a huge picture, above all
        return {nullptr, request.isStretchBmpCashed};
    }
}
