#include "widget/win/PictureDecoders.h"

#include <windows.h>

#include <wincodec.h>
#include <wrl/client.h>

#include "base/core/Unicode.h"
#include "widget/win/WicPicture.h"

using Microsoft::WRL::ComPtr;

std::vector<std::string> InstalledDecoderExtensions() {
    std::vector<std::string> extensions;
    IWICImagingFactory* factory = WicFactory();
    ComPtr<IEnumUnknown> decoders;
    if (!factory || FAILED(factory->CreateComponentEnumerator(WICDecoder, WICComponentEnumerateDefault, &decoders)))
        return extensions;
    for (ComPtr<IUnknown> component; decoders->Next(1, &component, nullptr) == S_OK; component.Reset()) {
        ComPtr<IWICBitmapCodecInfo> codec;
        UINT length = 0;
        if (FAILED(component.As(&codec)) || FAILED(codec->GetFileExtensions(0, nullptr, &length)) || length == 0)
            continue;
        std::wstring text(length, L'\0');
        if (SUCCEEDED(codec->GetFileExtensions(length, text.data(), &length))) {
            text.resize(wcsnlen(text.c_str(), text.size()));
            extensions.push_back(Narrow(text));
        }
    }
    return extensions;
}

std::optional<LocalSeconds> MetadataDateTaken(const std::string& path) {
    // DateTimeOriginal where HEIF and TIFF keep their Exif, and where a JPEG-like container does.
    static const wchar_t* const kQueries[] = {L"/ifd/{ushort=34665}/{ushort=36867}", L"/ifd/exif/{ushort=36867}",
                                              L"/app1/ifd/exif/{ushort=36867}"};
    IWICImagingFactory* factory = WicFactory();
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICMetadataQueryReader> reader;
    if (!factory ||
        FAILED(factory->CreateDecoderFromFilename(Widen(path).c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetMetadataQueryReader(&reader)))
        return std::nullopt;
    for (const wchar_t* query : kQueries) {
        PROPVARIANT value;
        PropVariantInit(&value);
        std::optional<LocalSeconds> taken;
        if (SUCCEEDED(reader->GetMetadataByName(query, &value)) && value.vt == VT_LPSTR && value.pszVal)
            taken = ExifDateOf(value.pszVal);
        PropVariantClear(&value);
        if (taken)
            return taken;
    }
    return std::nullopt;
}
