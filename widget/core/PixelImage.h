#pragma once
// A picture in memory: 32-bit pixels in blue, green, red, unused order, rows top-down with
// no padding (the layout of a top-down 32-bit device-independent bitmap).
#include <cstddef>
#include <cstdint>
#include <vector>

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // width * height * 4 bytes

    static constexpr int kBytesPerPixel = 4;
    size_t Stride() const { return static_cast<size_t>(width) * kBytesPerPixel; }
    size_t Offset(int x, int y) const {
        return static_cast<size_t>(y) * Stride() + static_cast<size_t>(x) * kBytesPerPixel;
    }
    const uint8_t* Pixel(int x, int y) const { return pixels.data() + Offset(x, y); }
    uint8_t* Pixel(int x, int y) { return pixels.data() + Offset(x, y); }
};

// An image of the given size, every pixel 0.
PixelImage MakePixelImage(int width, int height);
