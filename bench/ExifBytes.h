#pragma once
// The Exif segment a phone puts behind a JPEG's start-of-image marker: a width, the
// orientation and, when given, the date taken, in either byte order. Bytes only.
#include <cstdint>
#include <string>

namespace bench {

// An APP1 Exif segment; dateTaken ("YYYY:MM:DD HH:MM:SS") empty leaves the Exif IFD out.
inline std::string ExifSegment(uint16_t orientation, bool bigEndian, const std::string& dateTaken = "") {
    std::string tiff;
    auto put16 = [&](uint16_t v) {
        const char high = static_cast<char>(v >> 8), low = static_cast<char>(v & 0xFF);
        tiff += bigEndian ? std::string{high, low} : std::string{low, high};
    };
    auto put32 = [&](uint32_t v) {
        put16(static_cast<uint16_t>(bigEndian ? v >> 16 : v));
        put16(static_cast<uint16_t>(bigEndian ? v : v >> 16));
    };
    const bool dated = !dateTaken.empty();
    tiff += bigEndian ? "MM" : "II";
    put16(42);
    put32(8);  // IFD0 right behind the header
    put16(dated ? 3 : 2);
    put16(0x0100), put16(4), put32(1), put32(640);                    // ImageWidth, LONG
    put16(0x0112), put16(3), put32(1), put16(orientation), put16(0);  // Orientation, SHORT
    if (dated)
        put16(0x8769), put16(4), put32(1), put32(50);  // the Exif IFD, behind IFD0
    put32(0);                                          // no next IFD
    if (dated) {
        put16(1);
        put16(0x9003), put16(2), put32(static_cast<uint32_t>(dateTaken.size() + 1)), put32(68);  // DateTimeOriginal
        put32(0);
        tiff += dateTaken + '\0';
    }
    const std::string payload = std::string("Exif\0\0", 6) + tiff;
    const size_t length = payload.size() + 2;
    return std::string("\xFF\xE1", 2) + static_cast<char>(length >> 8) + static_cast<char>(length & 0xFF) + payload;
}

// The JPEG with the segment inserted after SOI and after a JFIF APP0, where cameras put it.
inline std::string WithExifOrientation(const std::string& jpeg, uint16_t orientation) {
    size_t at = 2;
    if (jpeg.size() > 4 && static_cast<uint8_t>(jpeg[2]) == 0xFF && static_cast<uint8_t>(jpeg[3]) == 0xE0)
        at = 4 + ((static_cast<uint8_t>(jpeg[4]) << 8) | static_cast<uint8_t>(jpeg[5]));
    return jpeg.substr(0, at) + ExifSegment(orientation, false) + jpeg.substr(at);
}

}  // namespace bench
