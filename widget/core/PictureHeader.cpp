#include "widget/core/PictureHeader.h"

#include <climits>
#include <cstring>

#include "widget/core/ExifReader.h"

namespace {

constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kShortType = 3;

Orientation OrientationFromTiff(TiffBytes tiff) {
    TiffReader reader;
    const auto ifd = reader.Open(tiff) ? reader.FirstIfd() : std::nullopt;
    const auto entry = ifd ? reader.FindEntry(*ifd, kOrientationTag) : std::nullopt;
    if (!entry)
        return kUpright;
    const auto type = reader.U16(*entry + 2);
    const auto value = reader.U16(*entry + 8);
    if (type != kShortType || !value || *value < 1 || *value > 8)
        return kUpright;
    return *value;
}

uint32_t BigEndian16(const uint8_t* p) {
    return (uint32_t{p[0]} << 8) | p[1];
}
uint32_t BigEndian32(const uint8_t* p) {
    return (BigEndian16(p) << 16) | BigEndian16(p + 2);
}
uint32_t LittleEndian16(const uint8_t* p) {
    return (uint32_t{p[1]} << 8) | p[0];
}
uint32_t LittleEndian32(const uint8_t* p) {
    return (LittleEndian16(p + 2) << 16) | LittleEndian16(p);
}

// The frame header markers SOF0..SOF15, without DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameHeader(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PixelSize> ValidSize(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX)
        return std::nullopt;
    return PixelSize{static_cast<int>(width), static_cast<int>(height)};
}

PictureHeader ReadJpeg(const uint8_t* data, size_t size) {
    PictureHeader header{PictureFormat::Jpeg, std::nullopt, kUpright, std::nullopt, false};
    bool exifSeen = false;
    const JpegWalkEnd end = WalkJpegSegments(data, size, [&](const JpegSegment& segment) {
        const auto tiff = exifSeen ? std::nullopt : ExifTiffOf(segment);
        if (tiff) {
            exifSeen = true;
            header.orientation = OrientationFromTiff(*tiff);
        }
        if (!IsFrameHeader(segment.marker))
            return true;
        if (segment.size >= 5)
            header.declared = ValidSize(BigEndian16(segment.payload + 3), BigEndian16(segment.payload + 1));
        return false;
    });
    // Cut off: read more. Scan data or a broken marker before any frame header: no size.
    header.complete = end != JpegWalkEnd::CutOff;
    return header;
}

// Rows of 1..32 bits per pixel, each padded to 4 bytes, after the pixel data offset.
std::optional<uint64_t> BmpDataEnd(const PixelSize& size, uint32_t offset, uint32_t bitsPerPixel) {
    if (bitsPerPixel == 0 || bitsPerPixel > 32)
        return std::nullopt;
    uint64_t stride = (static_cast<uint64_t>(size.width) * bitsPerPixel + 31) / 32 * 4;
    return offset + stride * static_cast<uint64_t>(size.height);
}

PictureHeader ReadBmp(const uint8_t* data, size_t size) {
    PictureHeader header{PictureFormat::Bmp, std::nullopt, kUpright, std::nullopt, true};
    const PictureHeader cutOff{PictureFormat::Bmp, std::nullopt, kUpright, std::nullopt, false};
    if (size < 18)
        return cutOff;
    uint32_t offset = LittleEndian32(data + 10);
    uint32_t infoSize = LittleEndian32(data + 14);
    if (infoSize == 12) {
        if (size < 26)
            return cutOff;
        header.declared = ValidSize(LittleEndian16(data + 18), LittleEndian16(data + 20));
        if (header.declared)
            header.requiredFileSize = BmpDataEnd(*header.declared, offset, LittleEndian16(data + 24));
    } else if (infoSize >= 40) {
        if (size < 34)
            return cutOff;
        int64_t width = static_cast<int32_t>(LittleEndian32(data + 18));
        int64_t height = static_cast<int32_t>(LittleEndian32(data + 22));
        header.declared = ValidSize(width, height < 0 ? -height : height);  // negative: rows top-down
        uint32_t compression = LittleEndian32(data + 30);
        bool uncompressed = compression == 0 || compression == 3 || compression == 6;  // RGB, bit fields
        if (header.declared && uncompressed)
            header.requiredFileSize = BmpDataEnd(*header.declared, offset, LittleEndian16(data + 28));
    }
    return header;
}

PictureHeader ReadPng(const uint8_t* data, size_t size) {
    if (size < 24)
        return {PictureFormat::Png, std::nullopt, kUpright, std::nullopt, false};
    if (std::memcmp(data + 12, "IHDR", 4) != 0)
        return {PictureFormat::Png, std::nullopt, kUpright, std::nullopt, true};
    return {PictureFormat::Png, ValidSize(BigEndian32(data + 16), BigEndian32(data + 20)), kUpright, std::nullopt,
            true};
}

PictureHeader ReadGif(const uint8_t* data, size_t size) {
    if (size < 10)
        return {PictureFormat::Gif, std::nullopt, kUpright, std::nullopt, false};
    return {PictureFormat::Gif, ValidSize(LittleEndian16(data + 6), LittleEndian16(data + 8)), kUpright, std::nullopt,
            true};
}

bool StartsWith(const uint8_t* data, size_t size, const char* prefix, size_t length) {
    return size >= length && std::memcmp(data, prefix, length) == 0;
}

}  // namespace

PictureHeader ReadPictureHeader(const uint8_t* data, size_t size) {
    if (StartsWith(data, size, "\xFF\xD8", 2))
        return ReadJpeg(data, size);
    if (StartsWith(data, size, "BM", 2))
        return ReadBmp(data, size);
    if (StartsWith(data, size, "\x89PNG\r\n\x1A\n", 8))
        return ReadPng(data, size);
    if (StartsWith(data, size, "GIF87a", 6) || StartsWith(data, size, "GIF89a", 6))
        return ReadGif(data, size);
    return {};
}
