#pragma once
// Test pictures as phones write them: an Exif segment with an orientation tag, put right
// behind the start-of-image marker of a JPEG. Portable (bytes only), used by every test lane.
#include <cstdint>
#include <string>

namespace photo_test {

// An APP1 Exif segment whose first IFD holds a width tag and then the orientation tag; with a
// date taken ("YYYY:MM:DD HH:MM:SS" or any text), also the Exif IFD holding it as DateTimeOriginal.
inline std::string ExifSegment(uint16_t orientation,
                               bool bigEndian = false,
                               uint16_t type = 3,
                               const std::string& dateTaken = "") {
    std::string tiff;
    auto put16 = [&](uint16_t v) {
        if (bigEndian)
            tiff += {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
        else
            tiff += {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    };
    auto put32 = [&](uint32_t v) {
        if (bigEndian) {
            put16(static_cast<uint16_t>(v >> 16));
            put16(static_cast<uint16_t>(v));
        } else {
            put16(static_cast<uint16_t>(v));
            put16(static_cast<uint16_t>(v >> 16));
        }
    };
    tiff += bigEndian ? "MM" : "II";
    put16(42);
    const bool dated = !dateTaken.empty();
    put32(8);                                                            // IFD0 right behind the header
    put16(dated ? 3 : 2);                                                // two or three entries
    put16(0x0100), put16(4), put32(1), put32(640);                       // ImageWidth, LONG
    put16(0x0112), put16(type), put32(1), put16(orientation), put16(0);  // Orientation, SHORT
    if (dated)
        put16(0x8769), put16(4), put32(1), put32(50);  // the Exif IFD, behind IFD0
    put32(0);                                          // no next IFD
    if (dated) {
        put16(1);
        put16(0x9003), put16(2), put32(static_cast<uint32_t>(dateTaken.size() + 1)), put32(68);
        put32(0);
        tiff += dateTaken + '\0';
    }
    std::string payload = std::string("Exif\0\0", 6) + tiff;
    size_t length = payload.size() + 2;
    return std::string("\xFF\xE1", 2) + static_cast<char>(length >> 8) + static_cast<char>(length & 0xFF) + payload;
}

// The JPEG file bytes with the Exif segment inserted after SOI (and after a JFIF APP0 when
// there is one, where cameras put it).
inline std::string WithExifOrientation(const std::string& jpeg, uint16_t orientation) {
    size_t at = 2;
    if (jpeg.size() > 4 && static_cast<uint8_t>(jpeg[2]) == 0xFF && static_cast<uint8_t>(jpeg[3]) == 0xE0)
        at = 4 + ((static_cast<uint8_t>(jpeg[4]) << 8) | static_cast<uint8_t>(jpeg[5]));
    return jpeg.substr(0, at) + ExifSegment(orientation) + jpeg.substr(at);
}

}  // namespace photo_test
