#include "tests/fuzz/PictureBuilder.h"

#include <cstdio>
#include <utility>

namespace {

void PutBig16(std::string& out, uint32_t value) {
    out += static_cast<char>((value >> 8) & 0xFF);
    out += static_cast<char>(value & 0xFF);
}
void PutBig32(std::string& out, uint32_t value) {
    PutBig16(out, value >> 16);
    PutBig16(out, value & 0xFFFF);
}
void PutLittle16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}
void PutLittle32(std::string& out, uint32_t value) {
    PutLittle16(out, value & 0xFFFF);
    PutLittle16(out, value >> 16);
}
void Put16(std::string& out, uint32_t value, bool bigEndian) {
    bigEndian ? PutBig16(out, value) : PutLittle16(out, value);
}
void Put32(std::string& out, uint32_t value, bool bigEndian) {
    bigEndian ? PutBig32(out, value) : PutLittle32(out, value);
}

BuiltPicture Started(std::string bytes, PictureFormat format) {
    BuiltPicture built;
    built.bytes = std::move(bytes);
    built.format = format;
    return built;
}

void AppendSegment(std::string& out, uint8_t marker, const std::string& payload) {
    out += '\xFF';
    out += static_cast<char>(marker);
    PutBig16(out, static_cast<uint32_t>(payload.size() + 2));
    out += payload;
}

// Markers with a length, except the frame headers, the start of a scan and Exif's APP1.
uint8_t OtherSegmentMarker(FuzzedDataProvider& input) {
    static const uint8_t kMarkers[] = {0xC4, 0xC8, 0xCC, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF, 0xE0, 0xE2,
                                       0xE3, 0xEA, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xFD, 0xFE};
    return kMarkers[input.ConsumeIntegralInRange<size_t>(0, std::size(kMarkers) - 1)];
}

uint8_t FrameMarker(FuzzedDataProvider& input) {
    static const uint8_t kFrames[] = {0xC0, 0xC1, 0xC2, 0xC3, 0xC5, 0xC6, 0xC7, 0xC9, 0xCA, 0xCB, 0xCD, 0xCE, 0xCF};
    return kFrames[input.ConsumeIntegralInRange<size_t>(0, std::size(kFrames) - 1)];
}

// Segment contents may hold every byte, markers included.
std::string AnyPayload(FuzzedDataProvider& input) {
    std::string payload = input.ConsumeRandomLengthString(200);
    if (input.ConsumeBool())
        payload.append("\xFF\xD9\xFF\xC0\x00\x11\x08", 7);
    return payload;
}

// An Exif segment with the orientation among other tags; the answer is upright unless the
// tag is a SHORT of 1..8.
std::string ExifPayload(FuzzedDataProvider& input, Orientation& orientation) {
    const bool bigEndian = input.ConsumeBool();
    const uint16_t value = input.ConsumeIntegralInRange<uint16_t>(0, 10);
    const uint16_t type = input.ConsumeBool() ? 3 : input.ConsumeIntegralInRange<uint16_t>(1, 12);
    const uint16_t count = input.ConsumeIntegralInRange<uint16_t>(1, 6);
    const uint16_t position = input.ConsumeIntegralInRange<uint16_t>(0, count - 1);
    const uint32_t padding = input.ConsumeIntegralInRange<uint32_t>(0, 16);
    std::string tiff = bigEndian ? "MM" : "II";
    Put16(tiff, 42, bigEndian);
    Put32(tiff, 8 + padding, bigEndian);
    tiff.append(padding, '\0');
    Put16(tiff, count, bigEndian);
    for (uint16_t i = 0; i < count; ++i) {
        uint16_t tag = input.ConsumeIntegral<uint16_t>();
        if (i == position)
            tag = 0x0112;
        else if (tag == 0x0112)
            tag = 0x0110;
        Put16(tiff, tag, bigEndian);
        Put16(tiff, i == position ? type : input.ConsumeIntegral<uint16_t>(), bigEndian);
        Put32(tiff, 1, bigEndian);
        Put16(tiff, i == position ? value : input.ConsumeIntegral<uint16_t>(), bigEndian);
        Put16(tiff, 0, bigEndian);
    }
    orientation = type == 3 && value >= 1 && value <= 8 ? value : kUpright;
    return std::string("Exif\0\0", 6) + tiff;
}

BuiltPicture BuildJpegHeader(FuzzedDataProvider& input) {
    BuiltPicture built = Started("\xFF\xD8", PictureFormat::Jpeg);
    bool exifWritten = false;
    const int segments = input.ConsumeIntegralInRange(0, 5);
    for (int i = 0; i < segments; ++i) {
        if (input.ConsumeBool())
            built.bytes.append(input.ConsumeIntegralInRange<size_t>(1, 3), '\xFF');  // fill bytes
        if (!exifWritten && input.ConsumeBool()) {
            AppendSegment(built.bytes, 0xE1, ExifPayload(input, built.orientation));
            exifWritten = true;
        } else {
            // An APP1 after the first Exif segment is never read.
            AppendSegment(built.bytes, exifWritten && input.ConsumeBool() ? 0xE1 : OtherSegmentMarker(input),
                          AnyPayload(input));
        }
    }
    built.height = input.ConsumeIntegral<uint16_t>();
    built.width = input.ConsumeIntegral<uint16_t>();
    std::string frame(1, '\x08');
    PutBig16(frame, static_cast<uint32_t>(built.height));
    PutBig16(frame, static_cast<uint32_t>(built.width));
    frame.append("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
    AppendSegment(built.bytes, FrameMarker(input), frame);
    return built;
}

// File header: "BM", file size, reserved, pixel data offset.
std::string BmpFileHeader(FuzzedDataProvider& input) {
    std::string out = "BM";
    PutLittle32(out, input.ConsumeIntegral<uint32_t>());
    PutLittle32(out, 0);
    PutLittle32(out, input.ConsumeIntegralInRange<uint32_t>(0, 4096));
    return out;
}

BuiltPicture BuildBmpHeader(FuzzedDataProvider& input, bool coreHeader) {
    BuiltPicture built = Started(BmpFileHeader(input), PictureFormat::Bmp);
    const uint16_t bitsPerPixel = input.ConsumeIntegral<uint16_t>();
    if (coreHeader) {
        built.width = input.ConsumeIntegral<uint16_t>();
        built.height = input.ConsumeIntegral<uint16_t>();
        PutLittle32(built.bytes, 12);
        PutLittle16(built.bytes, static_cast<uint32_t>(built.width));
        PutLittle16(built.bytes, static_cast<uint32_t>(built.height));
        PutLittle16(built.bytes, 1);
        PutLittle16(built.bytes, bitsPerPixel);
        return built;
    }
    const int32_t width = input.ConsumeIntegral<int32_t>();
    const int32_t height = input.ConsumeIntegral<int32_t>();  // negative: rows top-down
    static const uint32_t kInfoSizes[] = {40, 52, 56, 108, 124};
    PutLittle32(built.bytes, kInfoSizes[input.ConsumeIntegralInRange<size_t>(0, std::size(kInfoSizes) - 1)]);
    PutLittle32(built.bytes, static_cast<uint32_t>(width));
    PutLittle32(built.bytes, static_cast<uint32_t>(height));
    PutLittle16(built.bytes, 1);
    PutLittle16(built.bytes, bitsPerPixel);
    PutLittle32(built.bytes, input.ConsumeIntegralInRange<uint32_t>(0, 7));  // compression
    built.width = width;
    built.height = height < 0 ? -static_cast<int64_t>(height) : height;
    return built;
}

BuiltPicture BuildPngHeader(FuzzedDataProvider& input) {
    BuiltPicture built = Started(std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16), PictureFormat::Png);
    built.width = input.ConsumeIntegral<uint32_t>();
    built.height = input.ConsumeIntegral<uint32_t>();
    PutBig32(built.bytes, static_cast<uint32_t>(built.width));
    PutBig32(built.bytes, static_cast<uint32_t>(built.height));
    return built;
}

BuiltPicture BuildGifHeader(FuzzedDataProvider& input) {
    BuiltPicture built = Started(input.ConsumeBool() ? "GIF87a" : "GIF89a", PictureFormat::Gif);
    built.width = input.ConsumeIntegral<uint16_t>();
    built.height = input.ConsumeIntegral<uint16_t>();
    PutLittle16(built.bytes, static_cast<uint32_t>(built.width));
    PutLittle16(built.bytes, static_cast<uint32_t>(built.height));
    return built;
}

// Scan data: an 0xFF in it is always stuffed (FF 00) or a restart marker (FF D0..D7).
std::string ScanData(FuzzedDataProvider& input) {
    std::string scan;
    const std::string raw = input.ConsumeRandomLengthString(300);
    for (char c : raw) {
        scan += c;
        if (c == '\xFF')
            scan += input.ConsumeBool() ? '\x00' : static_cast<char>(0xD0 + input.ConsumeIntegralInRange(0, 7));
    }
    return scan;
}

}  // namespace

BuiltPicture BuildPictureHeader(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 4)) {
        case 0:
            return BuildJpegHeader(input);
        case 1:
            return BuildBmpHeader(input, true);
        case 2:
            return BuildBmpHeader(input, false);
        case 3:
            return BuildPngHeader(input);
        default:
            return BuildGifHeader(input);
    }
}

std::string BuildWholeJpeg(FuzzedDataProvider& input) {
    std::string jpeg = "\xFF\xD8";
    const int scans = input.ConsumeIntegralInRange(1, 3);
    for (int scan = 0; scan < scans; ++scan) {
        const int segments = input.ConsumeIntegralInRange(0, 4);
        for (int i = 0; i < segments; ++i) {
            if (input.ConsumeBool())
                jpeg.append(input.ConsumeIntegralInRange<size_t>(1, 3), '\xFF');
            AppendSegment(jpeg, input.ConsumeBool() ? FrameMarker(input) : OtherSegmentMarker(input),
                          AnyPayload(input));
        }
        AppendSegment(jpeg, 0xDA, AnyPayload(input));
        jpeg += ScanData(input);
    }
    return jpeg + "\xFF\xD9";
}

namespace {

// An IFD of `entries` entries of any tags, with `tag` (of `type`, count and value given) among them.
void PutIfd(std::string& tiff,
            FuzzedDataProvider& input,
            bool bigEndian,
            uint16_t entries,
            uint16_t tag,
            uint16_t type,
            uint32_t count,
            uint32_t value) {
    const uint16_t position = input.ConsumeIntegralInRange<uint16_t>(0, entries - 1);
    Put16(tiff, entries, bigEndian);
    for (uint16_t i = 0; i < entries; ++i) {
        const uint16_t other = input.ConsumeIntegral<uint16_t>();
        Put16(tiff, i == position ? tag : other == tag ? other + 1 : other, bigEndian);
        Put16(tiff, i == position ? type : input.ConsumeIntegralInRange<uint16_t>(1, 12), bigEndian);
        Put32(tiff, i == position ? count : 1, bigEndian);
        Put32(tiff, i == position ? value : input.ConsumeIntegral<uint32_t>(), bigEndian);
    }
    Put32(tiff, 0, bigEndian);
}

}  // namespace

std::string BuildDatedJpeg(FuzzedDataProvider& input, DateFields& date) {
    const bool bigEndian = input.ConsumeBool();
    for (int* field : {&date.year, &date.month, &date.day, &date.hour, &date.minute, &date.second})
        *field = input.ConsumeIntegralInRange(0, field == &date.year ? 9999 : 99);
    char text[32];
    std::snprintf(text, sizeof text, "%04d:%02d:%02d %02d:%02d:%02d", date.year, date.month, date.day, date.hour,
                  date.minute, date.second);
    // IFD0 at 8, the Exif IFD behind it, the text behind that, maybe with a gap before each.
    const uint16_t entries0 = input.ConsumeIntegralInRange<uint16_t>(1, 5);
    const uint16_t entries1 = input.ConsumeIntegralInRange<uint16_t>(1, 5);
    const uint32_t gap = input.ConsumeIntegralInRange<uint32_t>(0, 8);
    const uint32_t exifAt = 8 + 6 + 12 * entries0 + gap;
    const uint32_t textAt = exifAt + 6 + 12 * entries1 + gap;
    std::string tiff = bigEndian ? "MM" : "II";
    Put16(tiff, 42, bigEndian);
    Put32(tiff, 8, bigEndian);
    PutIfd(tiff, input, bigEndian, entries0, 0x8769, input.ConsumeBool() ? 4 : 13, 1, exifAt);
    tiff.append(gap, '\0');
    PutIfd(tiff, input, bigEndian, entries1, 0x9003, 2, 20, textAt);
    tiff.append(gap, '\0');
    tiff.append(text, 20);
    std::string jpeg = "\xFF\xD8";
    const int before = input.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < before; ++i)
        AppendSegment(jpeg, OtherSegmentMarker(input), AnyPayload(input));
    AppendSegment(jpeg, 0xE1, std::string("Exif\0\0", 6) + tiff);
    AppendSegment(jpeg, 0xE1, AnyPayload(input));  // a second Exif segment is never read
    return jpeg;
}
