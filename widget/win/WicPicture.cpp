#include "widget/win/WicPicture.h"

#include <algorithm>
#include <vector>

#include "base/core/Unicode.h"
#include "base/win/ComApartment.h"
#include "widget/core/DecodeScale.h"
#include "widget/core/JpegEndScanner.h"
#include "widget/core/PictureHeader.h"
#include "widget/core/PictureResampler.h"

using Microsoft::WRL::ComPtr;

namespace {

// Enough for the segments before most JPEGs' frame header (an Exif segment is at most 64 KiB);
// more is read when large segments come first.
constexpr ULONG kFirstHeadBytes = 128 * 1024;
constexpr ULONG kLastHeadBytes = 16 * 1024 * 1024;

bool Rewind(IStream* stream) {
    LARGE_INTEGER start{};
    return SUCCEEDED(stream->Seek(start, STREAM_SEEK_SET, nullptr));
}

// Reads the header from the start of the stream, longer as needed, and rewinds it.
std::optional<PictureHeader> ReadHeader(IStream* stream) {
    for (ULONG wanted = kFirstHeadBytes;; wanted *= 4) {
        std::vector<uint8_t> head(wanted);
        ULONG read = 0;
        if (!Rewind(stream) || FAILED(stream->Read(head.data(), wanted, &read)) || !Rewind(stream))
            return std::nullopt;
        PictureHeader header = ReadPictureHeader(head.data(), read);
        if (header.complete || read < wanted || wanted >= kLastHeadBytes)
            return header;
    }
}

// Reads the JPEG from its start until its end marker; rewinds the stream.
bool ReachesJpegEnd(IStream* stream) {
    constexpr ULONG kPiece = 256 * 1024;
    std::vector<uint8_t> piece(kPiece);
    JpegEndScanner scanner;
    ULONG read = 0;
    if (!Rewind(stream))
        return false;
    do {
        if (FAILED(stream->Read(piece.data(), kPiece, &read)))
            return false;
        scanner.Feed(piece.data(), read);
    } while (read == kPiece && !scanner.Complete());
    return Rewind(stream) && scanner.Complete();
}

bool HoldsAtLeast(IStream* stream, uint64_t bytes) {
    STATSTG stat{};
    return SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)) && stat.cbSize.QuadPart >= bytes;
}

// A file cut off on its way (an interrupted copy, a full card) would show up half grey.
bool IsWholeFile(IStream* stream, const PictureHeader& header) {
    if (header.format == PictureFormat::Jpeg)
        return ReachesJpegEnd(stream);
    return !header.requiredFileSize || HoldsAtLeast(stream, *header.requiredFileSize);
}

// Pixels the resampler takes as they are (3 or 4 bytes, blue first); others are converted.
int DirectBytesPerPixel(IWICBitmapSource* source) {
    WICPixelFormatGUID format{};
    if (FAILED(source->GetPixelFormat(&format)))
        return 0;
    if (format == GUID_WICPixelFormat24bppBGR)
        return 3;
    if (format == GUID_WICPixelFormat32bppBGR || format == GUID_WICPixelFormat32bppBGRA)
        return 4;
    return 0;
}

ComPtr<IWICBitmapSource> As32bppBgr(IWICBitmapSource* source) {
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(WicFactory()->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(source, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return nullptr;
    return converter;
}

// Feeds the source to the resampler in bands of rows, top to bottom.
bool StreamRows(IWICBitmapSource* source, int bytesPerPixel, PixelSize size, PictureResampler& resampler) {
    size_t stride = static_cast<size_t>(size.width) * bytesPerPixel;
    std::vector<uint8_t> band(stride * PictureResampler::kBandRows);
    for (int y = 0; y < size.height; y += PictureResampler::kBandRows) {
        int rows = std::min(PictureResampler::kBandRows, size.height - y);
        WICRect rect{0, y, size.width, rows};
        if (FAILED(source->CopyPixels(&rect, static_cast<UINT>(stride), static_cast<UINT>(stride * rows), band.data())))
            return false;
        resampler.AddRows(band.data(), rows, stride, bytesPerPixel);
    }
    return true;
}

}  // namespace

namespace {

IWICImagingFactory*& ThreadFactory() {
    thread_local IWICImagingFactory* factory = nullptr;
    return factory;
}

}  // namespace

IWICImagingFactory* WicFactory() {
    // Kept for the life of the thread, or until released: a worker releases it before it ends.
    IWICImagingFactory*& factory = ThreadFactory();
    if (!factory && EnsureComApartment())
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
    return factory;
}

void ReleaseWicFactory() {
    if (IWICImagingFactory*& factory = ThreadFactory()) {
        factory->Release();
        factory = nullptr;
    }
}

// The declared size is checked before any decoder runs: decoders allocate for it at once, and
// a damaged or hostile header must not exhaust the memory or overflow a decoder's arithmetic.
std::optional<WicPicture> OpenWicPicture(const std::string& path, int64_t maxPixels) {
    IWICImagingFactory* factory = WicFactory();
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    if (!factory || path.empty() || FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromFilename(Widen(path).c_str(), GENERIC_READ)))
        return std::nullopt;
    std::optional<PictureHeader> header = ReadHeader(stream.Get());
    // A kind the header reader does not know (HEIC, WebP, TIFF...) is left to its installed
    // decoder, whose frame size is checked before any pixel is read.
    const bool known = header && header->format != PictureFormat::Unknown;
    if (!header || (known && !header->declared) ||
        (header->declared && !IsAcceptedPictureSize(header->declared->width, header->declared->height, maxPixels)) ||
        !IsWholeFile(stream.Get(), *header))
        return std::nullopt;
    WicPicture picture;
    picture.orientation = header->orientation;
    UINT width = 0, height = 0;
    if (FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &picture.frame)) || FAILED(picture.frame->GetSize(&width, &height)) ||
        !IsAcceptedPictureSize(width, height, maxPixels))
        return std::nullopt;
    picture.stored = {static_cast<int>(width), static_cast<int>(height)};
    return picture;
}

std::optional<PixelImage> ReadNaturalSize(const WicPicture& picture) {
    ComPtr<IWICBitmapSource> source = As32bppBgr(picture.frame.Get());
    if (!source)
        return std::nullopt;
    PixelImage image = MakePixelImage(picture.stored.width, picture.stored.height);
    if (FAILED(source->CopyPixels(nullptr, static_cast<UINT>(image.Stride()), static_cast<UINT>(image.pixels.size()),
                                  image.pixels.data())))
        return std::nullopt;
    return Orient(std::move(image), picture.orientation);
}

namespace {

// The decoder's own scaled decode of a picture (the system's JPEG decoder on Windows offers it).
struct ScaledDecode {
    ComPtr<IWICBitmapSourceTransform> transform;
    PixelSize size;
    WICPixelFormatGUID format{};
    int bytesPerPixel = 0;
};

int BytesPerPixelOf(const WICPixelFormatGUID& format) {
    if (format == GUID_WICPixelFormat24bppBGR)
        return 3;
    return format == GUID_WICPixelFormat32bppBGR || format == GUID_WICPixelFormat32bppBGRA ? 4 : 0;
}

// nullopt when the decoder cannot decode this picture smaller, upright, in pixels the resampler takes.
std::optional<ScaledDecode> PlanScaledDecode(const WicPicture& picture, PixelSize storedTarget) {
    ScaledDecode plan;
    std::optional<PixelSize> wanted = ChooseDecodeSize(picture.stored, storedTarget);
    BOOL upright = FALSE;
    if (!wanted || !picture.frame || FAILED(picture.frame.As(&plan.transform)) ||
        FAILED(plan.transform->DoesSupportTransform(WICBitmapTransformRotate0, &upright)) || !upright)
        return std::nullopt;
    UINT width = static_cast<UINT>(wanted->width), height = static_cast<UINT>(wanted->height);
    plan.format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(plan.transform->GetClosestSize(&width, &height)) ||
        FAILED(plan.transform->GetClosestPixelFormat(&plan.format)))
        return std::nullopt;
    plan.size = {static_cast<int>(width), static_cast<int>(height)};
    plan.bytesPerPixel = BytesPerPixelOf(plan.format);
    if (plan.bytesPerPixel == 0 || !IsUsableDecodeSize(plan.size, picture.stored, storedTarget))
        return std::nullopt;
    return plan;
}

std::optional<PixelImage> ReadThroughScaledDecode(ScaledDecode& plan, PixelSize storedTarget) {
    size_t stride = static_cast<size_t>(plan.size.width) * plan.bytesPerPixel;
    std::vector<uint8_t> pixels(stride * plan.size.height);
    if (FAILED(plan.transform->CopyPixels(nullptr, static_cast<UINT>(plan.size.width),
                                          static_cast<UINT>(plan.size.height), &plan.format, WICBitmapTransformRotate0,
                                          static_cast<UINT>(stride), static_cast<UINT>(pixels.size()), pixels.data())))
        return std::nullopt;
    PictureResampler resampler(plan.size.width, plan.size.height, storedTarget.width, storedTarget.height);
    resampler.AddRows(pixels.data(), plan.size.height, stride, plan.bytesPerPixel);
    return resampler.Finish();
}

}  // namespace

std::optional<PixelSize> ScaledDecodeSize(const WicPicture& picture, PixelSize target) {
    std::optional<ScaledDecode> plan = PlanScaledDecode(picture, OrientedSize(target, picture.orientation));
    return plan ? std::optional<PixelSize>(plan->size) : std::nullopt;
}

// Scales first and turns the small result, so the large source is read once, in bands.
std::optional<PixelImage> ReadScaled(const WicPicture& picture, PixelSize target) {
    if (!IsAcceptedPictureSize(target.width, target.height, kMaxShownPixels))
        return std::nullopt;
    PixelSize storedTarget = OrientedSize(target, picture.orientation);  // the swap undoes itself
    if (std::optional<ScaledDecode> plan = PlanScaledDecode(picture, storedTarget)) {
        if (std::optional<PixelImage> scaled = ReadThroughScaledDecode(*plan, storedTarget))
            return Orient(std::move(*scaled), picture.orientation);
    }
    ComPtr<IWICBitmapSource> source = picture.frame;
    int bytesPerPixel = DirectBytesPerPixel(source.Get());
    if (bytesPerPixel == 0) {
        source = As32bppBgr(source.Get());
        bytesPerPixel = 4;
        if (!source)
            return std::nullopt;
    }
    PictureResampler resampler(picture.stored.width, picture.stored.height, storedTarget.width, storedTarget.height);
    if (!StreamRows(source.Get(), bytesPerPixel, picture.stored, resampler))
        return std::nullopt;
    return Orient(resampler.Finish(), picture.orientation);
}
