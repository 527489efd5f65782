// Speed and memory of the photo loader against the bare imaging pipeline on the same picture.
//   photo_bench make <folder>            writes big.jpg (6000 x 4000) and tall.jpg (4000 x 6000,
//                                        tagged to be turned a quarter: shown 6000 x 4000)
//   photo_bench scale <picture> <cache>  the loader's scaling path (decode, resample, cache write)
//   photo_bench bare <picture>           the system's pipeline: decode, scale, pixels
//   photo_bench cache <cache>            the loader's cache-hit path
// Each measuring mode prints one line: mode, median milliseconds of the runs, peak working set
// in MiB. Run each mode in its own process so that the peaks do not mix.
#include <windows.h>

#include <psapi.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/core/Unicode.h"
#include "bench/BenchPictures.h"
#include "bench/ExifBytes.h"
#include "widget/core/PhotoDpi.h"
#include "widget/core/PictureOrientation.h"
#include "widget/win/PhotoLoader.h"
#include "widget/win/WicPicture.h"

using Microsoft::WRL::ComPtr;

namespace {

constexpr int kRuns = 5;
constexpr ScaleSide kLongerSide = ScaleSide::Longer;
constexpr int16_t kTargetSize = 160;

// Smooth light with fine grain, so that the JPEG holds about as much detail as a photo.
bench::Colour PhotoLike(int x, int y) {
    uint32_t grain = (static_cast<uint32_t>(x) * 73856093u) ^ (static_cast<uint32_t>(y) * 19349663u);
    grain = (grain ^ (grain >> 13)) * 1274126177u;
    int noise = static_cast<int>(grain >> 28) - 8;
    auto channel = [&](int base) { return static_cast<uint8_t>(std::clamp(base + noise, 0, 255)); };
    return {channel(x / 24 % 256), channel(y / 16 % 256), channel((x + y) / 40 % 256)};
}

int Make(const std::wstring& folder) {
    bench::WriteFileBytes(folder + L"\\big.jpg", bench::Jpeg(6000, 4000, PhotoLike));
    std::string tall = bench::Jpeg(4000, 6000, PhotoLike);
    bench::WriteFileBytes(folder + L"\\tall.jpg", bench::WithExifOrientation(tall, 6));
    std::printf("made big.jpg and tall.jpg\n");
    return 0;
}

// The system's own pipeline: the decoder's frame through its best scaler into a buffer.
bool BarePipeline(const std::wstring& picture) {
    IWICImagingFactory* factory = WicFactory();
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapScaler> scaler;
    ComPtr<IWICFormatConverter> converter;
    UINT w = 0, h = 0;
    if (FAILED(factory->CreateDecoderFromFilename(picture.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&w, &h)))
        return false;
    UINT tw = w >= h ? kTargetSize : (kTargetSize * w + h / 2) / h;
    UINT th = w >= h ? (kTargetSize * h + w / 2) / w : kTargetSize;
    std::vector<BYTE> pixels(static_cast<size_t>(tw) * th * 4);
    return SUCCEEDED(factory->CreateBitmapScaler(&scaler)) &&
           SUCCEEDED(scaler->Initialize(frame.Get(), tw, th, WICBitmapInterpolationModeFant)) &&
           SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
           SUCCEEDED(converter->Initialize(scaler.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr,
                                           0.0, WICBitmapPaletteTypeCustom)) &&
           SUCCEEDED(converter->CopyPixels(nullptr, tw * 4, static_cast<UINT>(pixels.size()), pixels.data()));
}

double MedianMilliseconds(const std::function<bool()>& run) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        auto start = std::chrono::steady_clock::now();
        if (!run())
            return -1;
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double PeakMiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// Loads the libraries and creates the factory before anything is timed.
void WarmUp() {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    std::wstring small = std::wstring(folder) + L"photo_bench_warmup.jpg";
    bench::WriteFileBytes(small, bench::Jpeg(64, 48, PhotoLike));
    ReadPictureScaled(Narrow(small), 16, kLongerSide);
    DeleteFileW(small.c_str());
}

// Which way the loader decodes the picture: "decode WxH" where the decoder scales while it
// decodes, "decode whole" where the whole picture is decoded and resampled.
std::string DecodePath(const std::wstring& picturePath) {
    std::optional<WicPicture> picture = OpenWicPicture(Narrow(picturePath), kMaxScaledSourcePixels);
    std::optional<PixelSize> target =
        picture ? PhotoTargetSize(picture->Shown(), 1, kTargetSize, kLongerSide, 96) : std::nullopt;
    std::optional<PixelSize> scaled = target ? ScaledDecodeSize(*picture, *target) : std::nullopt;
    return scaled ? " decode " + std::to_string(scaled->width) + "x" + std::to_string(scaled->height)
                  : std::string(" decode whole");
}

int Measure(const std::wstring& mode, const std::function<bool()>& run, const std::string& path = {}) {
    WarmUp();
    double baseline = PeakMiB();
    double milliseconds = MedianMilliseconds(run);
    if (milliseconds < 0) {
        std::printf("%ls failed\n", mode.c_str());
        return 1;
    }
    std::printf("%ls %.1f ms peak %.1f MiB (before %.1f MiB)%s\n", mode.c_str(), milliseconds, PeakMiB(), baseline,
                path.c_str());
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == L"make")
        return Make(args[1]);
    if (args.size() == 3 && args[0] == L"scale") {
        PhotoLoadRequest request{Narrow(args[1]), 1, 0, kTargetSize, kLongerSide, Narrow(args[2])};
        return Measure(
            L"scale",
            [&] {
                PhotoLoadResult result = LoadPhotoPicture(request);
                return result.picture && result.isStretchBmpCashed == 1;
            },
            DecodePath(args[1]));
    }
    if (args.size() == 2 && args[0] == L"bare")
        return Measure(L"bare", [&] { return BarePipeline(args[1]); });
    if (args.size() == 2 && args[0] == L"cache") {
        PhotoLoadRequest request{"", 1, 1, kTargetSize, kLongerSide, Narrow(args[1])};
        return Measure(L"cache", [&] { return LoadPhotoPicture(request).picture != nullptr; });
    }
    std::fprintf(stderr,
                 "usage: photo_bench make <folder> | scale <picture> <cache> | bare <picture> | cache <cache>\n");
    return 2;
}
