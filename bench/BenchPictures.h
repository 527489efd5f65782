#pragma once
// The benchmarks' input files: JPEGs encoded by the system's imaging component through the
// widget's own factory, written as they are.
#include <windows.h>

#include <wincodec.h>
#include <wrl/client.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/core/UniqueHandles_win.h"
#include "widget/win/WicPicture.h"

namespace bench {

// Blue, green, red of a pixel.
struct Colour {
    uint8_t blue = 0, green = 0, red = 0;
};
using Pattern = std::function<Colour(int x, int y)>;

// The file bytes of a w x h JPEG; empty when the system cannot encode it.
inline std::string Jpeg(int w, int h, const Pattern& pattern) {
    using Microsoft::WRL::ComPtr;
    std::vector<BYTE> pixels(static_cast<size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Colour c = pattern(x, y);
            BYTE* p = &pixels[(static_cast<size_t>(y) * w + x) * 3];
            p[0] = c.blue, p[1] = c.green, p[2] = c.red;
        }
    IWICImagingFactory* factory = WicFactory();
    ComPtr<IStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    HGLOBAL memory = nullptr;
    STATSTG stat{};
    if (!factory || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, &encoder)) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(&frame, nullptr)) || FAILED(frame->Initialize(nullptr)) ||
        FAILED(frame->SetSize(w, h)) || FAILED(frame->SetPixelFormat(&format)) ||
        FAILED(frame->WritePixels(h, w * 3, static_cast<UINT>(pixels.size()), pixels.data())) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit()) || FAILED(GetHGlobalFromStream(stream.Get(), &memory)) ||
        FAILED(stream->Stat(&stat, STATFLAG_NONAME)))
        return {};
    const char* data = static_cast<const char*>(GlobalLock(memory));
    std::string bytes(data, static_cast<size_t>(stat.cbSize.QuadPart));
    GlobalUnlock(memory);
    return bytes;
}

inline bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    const UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

}  // namespace bench
