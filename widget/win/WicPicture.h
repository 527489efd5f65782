#pragma once
// Reading pictures through the Windows Imaging Component: one decode of the file, the
// orientation tag applied, at natural size or streamed through the resampler.
#include <windows.h>

#include <wincodec.h>
#include <wrl/client.h>

#include <optional>
#include <string>

#include "widget/core/PhotoScaling.h"
#include "widget/core/PictureOrientation.h"
#include "widget/core/PixelImage.h"
#include "widget/win/WicSourceTransform.h"

// An opened picture file: its first frame, its stored size and its orientation tag.
struct WicPicture {
    Microsoft::WRL::ComPtr<IWICBitmapFrameDecode> frame;
    PixelSize stored;
    Orientation orientation = kUpright;
    PixelSize Shown() const { return OrientedSize(stored, orientation); }
};

// Opens the file once: reads its header from the first bytes, refuses a declared size beyond
// 16 bits a side or maxPixels in all and a file cut off before its end, then decodes from the
// same stream. nullopt when it cannot be read as a picture.
std::optional<WicPicture> OpenWicPicture(const std::string& path, int64_t maxPixels);

// The whole picture, upright.
std::optional<PixelImage> ReadNaturalSize(const WicPicture& picture);

// The picture scaled to target (a size of the upright picture), upright. Where the decoder
// decodes smaller itself, it decodes at ScaledDecodeSize and the resampler finishes from there;
// otherwise the whole picture is decoded and resampled.
std::optional<PixelImage> ReadScaled(const WicPicture& picture, PixelSize target);
// The size (as stored) the decoder is asked to decode at for target; nullopt when it decodes the whole picture.
std::optional<PixelSize> ScaledDecodeSize(const WicPicture& picture, PixelSize target);

// The imaging factory of this thread (COM is initialised on first use).
IWICImagingFactory* WicFactory();
// Releases this thread's factory: a worker thread calls it before it leaves COM and ends.
void ReleaseWicFactory();
