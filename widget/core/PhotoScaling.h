#pragma once
// Which source the photo comes from, and the size a scaled photo takes.
#include <cstdint>
#include <optional>

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

enum class PhotoSource {
    NaturalSize,  // the picture file as it is
    Cache,        // the scaled picture stored earlier
    Scale,        // scale the picture file now and store the result
};

// IsStretched 0 shows the picture as it is; otherwise exactly 1 in IsStretchBmpCashed means
// the cache holds the scaled picture, and any other value that it must be made again.
PhotoSource ChoosePhotoSource(int16_t isStretched, int16_t isStretchBmpCashed);

// The side of the photo that the setting's size gives; a square counts as wide.
enum class ScaleSide { Width, Height, Longer };

// The setting's stored StretchMode: 0 width, 1 height, 2 the longer side. A value outside 0..2
// (only from a hand-edited profile) is taken as the longer side.
ScaleSide ScaleSideOf(int16_t stretchMode);

// The target size for a source of width x height pixels, scaling the chosen side to size
// pixels. The other side is round(size / side * other) in floating point, halves to even.
// nullopt when a side does not fit 16 bits or is below one pixel (an empty source included).
std::optional<PixelSize> ScaledPictureSize(int width, int height, int16_t size, ScaleSide side);

// Largest picture kept in memory at its full size (natural size or scaled target): 8192 x 8192.
inline constexpr int64_t kMaxShownPixels = int64_t{1} << 26;
// Largest picture the scaler reads: 16384 x 8192 (a 130-megapixel photo). The scaler streams
// the source in bands, but the system's decoders hold the whole picture while they decode it.
inline constexpr int64_t kMaxScaledSourcePixels = int64_t{1} << 27;

// A source size the loader accepts: both sides 1..32767 and at most maxPixels in all.
bool IsAcceptedPictureSize(int64_t width, int64_t height, int64_t maxPixels);
