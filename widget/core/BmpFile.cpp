#include "widget/core/BmpFile.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr size_t kResolutionOffset = kFileHeaderSize + 24;  // biXPelsPerMeter

void Put16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

uint32_t Get32(const uint8_t* data) {
    return data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
}

int32_t GetSigned32(const uint8_t* data) {
    return static_cast<int32_t>(Get32(data));
}

uint16_t Get16(const uint8_t* data) {
    return static_cast<uint16_t>(data[0] | data[1] << 8);
}

}  // namespace

std::optional<PixelImage> DecodeBmp24(std::string_view bytes, int64_t maxPixels) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M' ||
        Get32(data + kFileHeaderSize) != kInfoHeaderSize || Get16(data + kFileHeaderSize + 12) != 1 ||
        Get16(data + kFileHeaderSize + 14) != 24 || Get32(data + kFileHeaderSize + 16) != 0)
        return std::nullopt;
    const int64_t width = GetSigned32(data + kFileHeaderSize + 4);
    const int64_t signedHeight = GetSigned32(data + kFileHeaderSize + 8);
    const int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width <= 0 || height <= 0 || width * height > maxPixels)
        return std::nullopt;
    const uint64_t rowSize = (static_cast<uint64_t>(width) * 3 + 3) & ~uint64_t{3};
    const uint64_t offset = Get32(data + 10);
    if (offset < kFileHeaderSize + kInfoHeaderSize || offset > bytes.size() ||
        bytes.size() - offset < rowSize * static_cast<uint64_t>(height))
        return std::nullopt;
    PixelImage image = MakePixelImage(static_cast<int>(width), static_cast<int>(height));
    for (int y = 0; y < image.height; ++y) {
        const int fileRow = signedHeight < 0 ? y : image.height - 1 - y;  // positive height: bottom-up
        const uint8_t* source = data + offset + rowSize * static_cast<uint64_t>(fileRow);
        for (int x = 0; x < image.width; ++x, source += 3) {
            uint8_t* pixel = image.Pixel(x, y);
            pixel[0] = source[0];
            pixel[1] = source[1];
            pixel[2] = source[2];
            pixel[3] = 255;
        }
    }
    return image;
}

uint32_t PixelsPerMetre(int dpi) {
    // 1 inch = 0.0254 m; dpi * 10000 / 254 is never exactly half way.
    return static_cast<uint32_t>((static_cast<uint64_t>(EffectiveDpi(dpi)) * 10000 + 127) / 254);
}

int DpiFromPixelsPerMetre(uint32_t pixelsPerMetre) {
    return static_cast<int>((static_cast<uint64_t>(pixelsPerMetre) * 254 + 5000) / 10000);
}

std::optional<int> CacheBmpDpi(const uint8_t* data, size_t size) {
    if (size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        return std::nullopt;
    uint32_t infoSize = Get32(data + kFileHeaderSize);
    if (infoSize < kInfoHeaderSize)
        return kBaseDpi;
    if (size < kResolutionOffset + 4)
        return std::nullopt;
    int dpi = DpiFromPixelsPerMetre(Get32(data + kResolutionOffset));
    return dpi > 0 ? dpi : kBaseDpi;
}

std::string EncodeBmp24(const PixelImage& image, int dpi) {
    uint32_t rowSize = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
    uint32_t pixelBytes = rowSize * static_cast<uint32_t>(image.height);
    std::string out;
    out.reserve(kFileHeaderSize + kInfoHeaderSize + pixelBytes);
    out += "BM";
    Put32(out, kFileHeaderSize + kInfoHeaderSize + pixelBytes);
    Put32(out, 0);
    Put32(out, kFileHeaderSize + kInfoHeaderSize);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(image.width));
    Put32(out, static_cast<uint32_t>(image.height));  // positive: bottom-up rows
    Put16(out, 1);                                    // planes
    Put16(out, 24);                                   // bits per pixel
    Put32(out, 0);                                    // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, PixelsPerMetre(dpi));
    Put32(out, PixelsPerMetre(dpi));
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x)
            out.append(reinterpret_cast<const char*>(image.Pixel(x, y)), 3);
        out.resize(rowStart + rowSize, '\0');
    }
    return out;
}
