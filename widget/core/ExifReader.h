#pragma once
// What phones and cameras write into a JPEG before its picture: the marker segments up to the
// frame header, and in the first Exif segment a TIFF structure of tagged entries (IFDs). The
// picture header reads the orientation from it, the folder scan the date a photo was taken.
// Every read is bounds-checked: damaged or cut-off data gives no answer, never a read outside.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

struct JpegSegment {
    uint8_t marker = 0;
    const uint8_t* payload = nullptr;  // after the two length bytes
    size_t size = 0;
};

enum class JpegWalkEnd {
    Stopped,  // the visitor asked to stop
    Ended,    // scan data, the end of the picture or a broken marker came: nothing more to read
    CutOff,   // the data ran out: more of the file would tell more
};

// Calls visit(segment) for each whole marker segment after the start-of-image marker, in file
// order, until visit returns false. Fill bytes before a marker are skipped.
template <typename Visit>
JpegWalkEnd WalkJpegSegments(const uint8_t* data, size_t size, Visit&& visit) {
    size_t at = 2;
    while (at + 4 <= size) {
        if (data[at] != 0xFF)
            return JpegWalkEnd::Ended;
        const uint8_t marker = data[at + 1];
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9)
            return JpegWalkEnd::Ended;
        const size_t length = (static_cast<size_t>(data[at + 2]) << 8) | data[at + 3];
        if (length < 2)
            return JpegWalkEnd::Ended;
        if (length > size - at - 2)
            return JpegWalkEnd::CutOff;
        if (!visit(JpegSegment{marker, data + at + 4, length - 2}))
            return JpegWalkEnd::Stopped;
        at += 2 + length;
    }
    return JpegWalkEnd::CutOff;
}

// The TIFF bytes of an APP1 segment that starts with the Exif signature.
struct TiffBytes {
    const uint8_t* data = nullptr;
    size_t size = 0;
};
std::optional<TiffBytes> ExifTiffOf(const JpegSegment& segment);

// A bounds-checked view of a TIFF structure in either byte order.
class TiffReader {
public:
    // Reads the byte order mark and the magic number; false when they are not there.
    bool Open(TiffBytes tiff);

    std::optional<uint16_t> U16(size_t at) const;
    std::optional<uint32_t> U32(size_t at) const;
    // The offset of the first IFD.
    std::optional<uint32_t> FirstIfd() const { return U32(4); }
    // The offset of the 12-byte entry with this tag in the IFD at ifd, if it has one.
    std::optional<size_t> FindEntry(uint32_t ifd, uint16_t tag) const;
    // Where an entry's value of count items of itemSize bytes lies: inside the entry when it
    // fits in four bytes, otherwise at the offset the entry holds; nullopt when not all inside.
    std::optional<size_t> ValueAt(size_t entry, size_t itemSize) const;
    const uint8_t* Data() const { return m_tiff.data; }

private:
    TiffBytes m_tiff;
    bool m_bigEndian = false;
};

// A wall-clock time without a time zone, as seconds since 1970-01-01 00:00:00 of the same
// clock: what an Exif date holds, and what a file's last-write time is turned into locally.
using LocalSeconds = int64_t;

// The Exif DateTimeOriginal ("YYYY:MM:DD HH:MM:SS") of the first Exif segment of a JPEG's
// first bytes, or of a TIFF file's first bytes (tags past them are not reached); nullopt when
// there is none or it is not a real time.
std::optional<LocalSeconds> ReadExifDateTaken(const uint8_t* data, size_t size);
// An Exif date's text ("YYYY:MM:DD HH:MM:SS") as the imaging component's metadata reader gives it.
std::optional<LocalSeconds> ExifDateOf(std::string_view text);
