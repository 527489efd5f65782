#pragma once
// The scaled-picture cache is a plain Windows bitmap file: 24 bits per pixel, rows bottom-up
// and padded to 4 bytes, the form every picture reader takes.
//
// The cache records the DPI it was scaled for in the header's pixels-per-metre fields: 3780
// for 96 DPI, as the cache has always been written, so a cache made at 96 DPI is the same file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "widget/core/PhotoDpi.h"
#include "widget/core/PixelImage.h"

std::string EncodeBmp24(const PixelImage& image, int dpi = kBaseDpi);

// The picture of a bitmap in the cache's own form (24 bits, no compression, bottom-up or
// top-down rows), read without the platform's decoders, so that a start that finds its picture
// in the cache needs none of them. nullopt for any other or damaged file, or one larger than
// maxPixels; the caller then hands it to a full picture reader.
std::optional<PixelImage> DecodeBmp24(std::string_view bytes, int64_t maxPixels);

// The DPI a cache file was made for, from its first bytes (54 are enough). A bitmap that
// records no resolution (0, or a header without the fields) was made at 96 DPI, like every
// cache before caches recorded theirs. nullopt when the bytes are not a bitmap header.
std::optional<int> CacheBmpDpi(const uint8_t* data, size_t size);

// Pixels per metre for a DPI and back, rounded to the nearest: the two round-trip exactly.
uint32_t PixelsPerMetre(int dpi);
int DpiFromPixelsPerMetre(uint32_t pixelsPerMetre);
