#pragma once
// Test pictures made by the tests themselves with the system's own encoders (never committed
// photos): BMP and JPEG files of a given size and pattern, and the broken files a user may
// still have lying around. Header-only, for the windows and the end-to-end lanes.
#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/support/PhotoExif.h"

namespace photo_test {

// Blue, green, red of a pixel.
struct Colour {
    uint8_t blue = 0, green = 0, red = 0;
};
inline constexpr Colour kRed{0, 0, 255}, kGreen{0, 255, 0}, kBlue{255, 0, 0}, kWhite{255, 255, 255};

using Pattern = std::function<Colour(int x, int y)>;

// Top-left red, top-right green, bottom-left blue, bottom-right white: shows every turn and
// mirror of the picture.
inline Colour Quadrants(int x, int y, int w, int h) {
    bool left = x < w / 2, top = y < h / 2;
    return top ? (left ? kRed : kGreen) : (left ? kBlue : kWhite);
}

// The file bytes of a w x h picture in the container (GUID_ContainerFormatBmp or ...Jpeg).
inline std::string EncodePicture(const GUID& container, int w, int h, const Pattern& pattern) {
    std::vector<BYTE> pixels(static_cast<size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Colour c = pattern(x, y);
            BYTE* p = &pixels[(static_cast<size_t>(y) * w + x) * 3];
            p[0] = c.blue, p[1] = c.green, p[2] = c.red;
        }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::string bytes;
    IWICImagingFactory* factory = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    IStream* stream = nullptr;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) &&
        SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) &&
        SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(frame->SetSize(w, h)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
        SUCCEEDED(frame->WritePixels(h, w * 3, static_cast<UINT>(pixels.size()), pixels.data())) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit())) {
        HGLOBAL memory = nullptr;
        STATSTG stat{};
        if (SUCCEEDED(GetHGlobalFromStream(stream, &memory)) && SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME))) {
            const char* data = static_cast<const char*>(GlobalLock(memory));
            bytes.assign(data, static_cast<size_t>(stat.cbSize.QuadPart));
            GlobalUnlock(memory);
        }
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{frame, encoder, stream, factory})
        if (object)
            object->Release();
    return bytes;
}

inline std::string Bmp(int w, int h, const Pattern& pattern) {
    return EncodePicture(GUID_ContainerFormatBmp, w, h, pattern);
}
inline std::string Jpeg(int w, int h, const Pattern& pattern) {
    return EncodePicture(GUID_ContainerFormatJpeg, w, h, pattern);
}
inline std::string QuadrantBmp(int w, int h) {
    return Bmp(w, h, [=](int x, int y) { return Quadrants(x, y, w, h); });
}
inline std::string QuadrantJpeg(int w, int h) {
    return Jpeg(w, h, [=](int x, int y) { return Quadrants(x, y, w, h); });
}

// A JPEG whose frame header declares another size than its data holds.
inline std::string WithDeclaredJpegSize(std::string jpeg, uint16_t w, uint16_t h) {
    for (size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (static_cast<uint8_t>(jpeg[i]) == 0xFF && static_cast<uint8_t>(jpeg[i + 1]) == 0xC0) {
            jpeg[i + 5] = static_cast<char>(h >> 8), jpeg[i + 6] = static_cast<char>(h & 0xFF);
            jpeg[i + 7] = static_cast<char>(w >> 8), jpeg[i + 8] = static_cast<char>(w & 0xFF);
            break;
        }
    }
    return jpeg;
}

// A BMP whose header declares another size than its data holds.
inline std::string WithDeclaredBmpSize(std::string bmp, int32_t w, int32_t h) {
    for (int i = 0; i < 4; ++i) {
        bmp[18 + i] = static_cast<char>((w >> (8 * i)) & 0xFF);
        bmp[22 + i] = static_cast<char>((h >> (8 * i)) & 0xFF);
    }
    return bmp;
}

inline void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// The broken files of a picture folder: name and content.
struct BrokenFile {
    const wchar_t* name;
    std::string bytes;
};

inline std::vector<BrokenFile> BrokenPictureFiles() {
    std::string jpeg = QuadrantJpeg(64, 48);
    return {
        {L"empty.jpg", ""},
        {L"truncated.jpg", jpeg.substr(0, jpeg.size() / 3)},
        {L"headeronly.jpg", jpeg.substr(0, 200)},
        {L"text.jpg", "This is a text file, not a picture.\r\n"},
        {L"huge.jpg", WithDeclaredJpegSize(jpeg, 30000, 30000)},
        {L"huge16.jpg", WithDeclaredJpegSize(jpeg, 65000, 65000)},
        {L"truncated.bmp", QuadrantBmp(64, 48).substr(0, 3000)},
        {L"huge.bmp", WithDeclaredBmpSize(QuadrantBmp(16, 16), 30000, 30000)},
        {L"negative.bmp", WithDeclaredBmpSize(QuadrantBmp(16, 16), -16, 16)},
        {L"text.bmp", "BM this is no bitmap"},
    };
}

}  // namespace photo_test
