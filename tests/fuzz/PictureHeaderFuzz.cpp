// The picture header readers and the cache bitmap writer. Properties:
//  - any bytes: no crash; a size is declared only for a complete header, and an answer given
//    as complete on the first part of a file stays the answer on the whole file (the loader
//    stops reading there); a bitmap's required file size covers all the rows it declares;
//  - a header built with a chosen size declares exactly that size, whatever segments come
//    first, so that the loader's caps always refuse a size above them;
//  - a bitmap written for the cache reads back with its size, its file size and its pixels.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/PictureBuilder.h"
#include "widget/core/BmpFile.h"
#include "widget/core/PictureHeader.h"

namespace {

bool SameHeader(const PictureHeader& a, const PictureHeader& b) {
    return a.format == b.format && a.declared == b.declared && a.orientation == b.orientation &&
           a.requiredFileSize == b.requiredFileSize && a.complete == b.complete;
}

// The least a bitmap of these fields takes, in exact arithmetic.
unsigned __int128 LeastBmpEnd(const uint8_t* data, const PictureHeader& header) {
    const uint32_t offset = data[10] | data[11] << 8 | data[12] << 16 | static_cast<uint32_t>(data[13]) << 24;
    return offset + static_cast<unsigned __int128>(header.declared->width) * header.declared->height / 8;
}

void CheckAnyBytes(const uint8_t* data, size_t size, size_t cut) {
    const PictureHeader header = ReadPictureHeader(data, size);
    FUZZ_CHECK(header.complete || !header.declared);
    FUZZ_CHECK(!header.declared || (header.declared->width >= 1 && header.declared->height >= 1));
    FUZZ_CHECK(header.orientation >= 1 && header.orientation <= 8);
    if (header.requiredFileSize) {
        FUZZ_CHECK(header.format == PictureFormat::Bmp && header.declared);
        FUZZ_CHECK(*header.requiredFileSize >= LeastBmpEnd(data, header));
    }
    // Fewer bytes than the longest signature tell nothing yet (the loader reads far more).
    const PictureHeader first = ReadPictureHeader(data, cut);
    if (first.complete && (first.format != PictureFormat::Unknown || cut >= 8))
        FUZZ_CHECK(SameHeader(first, header));
}

// The caps of the loader, applied to what the header declares.
void CheckCaps(const PictureHeader& header, const BuiltPicture& built) {
    for (int64_t cap : {kMaxShownPixels, kMaxScaledSourcePixels}) {
        const bool accepted =
            header.declared && IsAcceptedPictureSize(header.declared->width, header.declared->height, cap);
        const bool fits = built.width >= 1 && built.height >= 1 && built.width <= 32767 && built.height <= 32767 &&
                          built.width * built.height <= cap;
        FUZZ_CHECK(accepted == fits);
    }
}

void CheckBuiltHeader(FuzzedDataProvider& input) {
    const BuiltPicture built = BuildPictureHeader(input);
    const auto* bytes = reinterpret_cast<const uint8_t*>(built.bytes.data());
    const PictureHeader header = ReadPictureHeader(bytes, built.bytes.size());
    FUZZ_CHECK(header.format == built.format);
    FUZZ_CHECK(header.complete);
    FUZZ_CHECK(header.orientation == built.orientation);
    if (built.width >= 1 && built.height >= 1 && built.width <= INT32_MAX && built.height <= INT32_MAX)
        FUZZ_CHECK(header.declared == (PixelSize{static_cast<int>(built.width), static_cast<int>(built.height)}));
    else
        FUZZ_CHECK(!header.declared);
    CheckCaps(header, built);
}

void CheckCacheBitmap(FuzzedDataProvider& input) {
    PixelImage image = MakePixelImage(input.ConsumeIntegralInRange(1, 40), input.ConsumeIntegralInRange(1, 40));
    for (uint8_t& byte : image.pixels)
        byte = input.ConsumeIntegral<uint8_t>();
    const std::string file = EncodeBmp24(image);
    const auto* bytes = reinterpret_cast<const uint8_t*>(file.data());
    const PictureHeader header = ReadPictureHeader(bytes, file.size());
    FUZZ_CHECK(header.format == PictureFormat::Bmp && header.complete);
    FUZZ_CHECK(header.declared == (PixelSize{image.width, image.height}));
    FUZZ_CHECK(header.requiredFileSize == file.size());
    // Rows bottom-up, 3 bytes a pixel, each row padded to 4 bytes.
    const size_t rowSize = (static_cast<size_t>(image.width) * 3 + 3) / 4 * 4;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const size_t at = 54 + static_cast<size_t>(image.height - 1 - y) * rowSize + static_cast<size_t>(x) * 3;
            for (int channel = 0; channel < 3; ++channel)
                FUZZ_CHECK(bytes[at + channel] == image.Pixel(x, y)[channel]);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t mode = data[0] % 4;
    ++data, --size;
    if (mode <= 1) {
        const size_t cut = size == 0 ? 0 : (data[size - 1] * size) / 256;
        CheckAnyBytes(data, size, cut);
        return 0;
    }
    FuzzedDataProvider input(data, size);
    if (mode == 2)
        CheckBuiltHeader(input);
    else
        CheckCacheBitmap(input);
    return 0;
}
