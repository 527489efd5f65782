#include "BmpFile.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPixelsPerMeterAt96Dpi = 3780;

void Put16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

std::string EncodeBmp24(const PixelImage& image) {
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
    Put32(out, kPixelsPerMeterAt96Dpi);
    Put32(out, kPixelsPerMeterAt96Dpi);
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
