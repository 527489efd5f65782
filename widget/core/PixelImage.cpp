#include "widget/core/PixelImage.h"

PixelImage MakePixelImage(int width, int height) {
    PixelImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * PixelImage::kBytesPerPixel, 0);
    return image;
}
