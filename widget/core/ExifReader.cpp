#include "widget/core/ExifReader.h"

#include <cstring>

#include "common/core/CalendarDate.h"

namespace {

constexpr uint16_t kExifIfdTag = 0x8769;
constexpr uint16_t kDateTimeOriginalTag = 0x9003;
constexpr uint16_t kLongType = 4;
constexpr uint16_t kIfdType = 13;
constexpr uint16_t kAsciiType = 2;
constexpr size_t kEntrySize = 12;
constexpr size_t kDateLength = 19;  // "YYYY:MM:DD HH:MM:SS", without the closing NUL

// The number of `digits` decimal digits at text, or -1 when one is not a digit.
int Digits(const uint8_t* text, int digits) {
    int value = 0;
    for (int i = 0; i < digits; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Cameras without a clock write blanks or zeros; those and any other non-time give nothing.
std::optional<LocalSeconds> ParseExifDate(const uint8_t* text) {
    static const char kPattern[] = "dddd:dd:dd dd:dd:dd";
    for (size_t i = 0; i < kDateLength; ++i) {
        if (kPattern[i] != 'd' && text[i] != static_cast<uint8_t>(kPattern[i]))
            return std::nullopt;
    }
    const CalendarDate date{Digits(text, 4), Digits(text + 5, 2), Digits(text + 8, 2)};
    const int hour = Digits(text + 11, 2), minute = Digits(text + 14, 2), second = Digits(text + 17, 2);
    if (!IsValidDate(date) || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    return DayNumber(date) * 86400 + int64_t{hour} * 3600 + int64_t{minute} * 60 + second;
}

std::optional<LocalSeconds> DateTakenFromTiff(TiffBytes tiff) {
    TiffReader reader;
    if (!reader.Open(tiff))
        return std::nullopt;
    const auto first = reader.FirstIfd();
    const auto pointer = first ? reader.FindEntry(*first, kExifIfdTag) : std::nullopt;
    const auto pointerType = pointer ? reader.U16(*pointer + 2) : std::nullopt;
    if (pointerType != kLongType && pointerType != kIfdType)
        return std::nullopt;
    const auto exifIfd = reader.U32(*pointer + 8);
    const auto entry = exifIfd ? reader.FindEntry(*exifIfd, kDateTimeOriginalTag) : std::nullopt;
    if (!entry || reader.U16(*entry + 2) != kAsciiType || reader.U32(*entry + 4) < kDateLength)
        return std::nullopt;
    const auto value = reader.ValueAt(*entry, 1);
    return value ? ParseExifDate(reader.Data() + *value) : std::nullopt;
}

}  // namespace

std::optional<TiffBytes> ExifTiffOf(const JpegSegment& segment) {
    if (segment.marker != 0xE1 || segment.size < 6 || std::memcmp(segment.payload, "Exif\0\0", 6) != 0)
        return std::nullopt;
    return TiffBytes{segment.payload + 6, segment.size - 6};
}

bool TiffReader::Open(TiffBytes tiff) {
    m_tiff = tiff;
    if (tiff.size < 8)
        return false;
    if (tiff.data[0] == 'I' && tiff.data[1] == 'I')
        m_bigEndian = false;
    else if (tiff.data[0] == 'M' && tiff.data[1] == 'M')
        m_bigEndian = true;
    else
        return false;
    return U16(2) == 42;
}

std::optional<uint16_t> TiffReader::U16(size_t at) const {
    if (at > m_tiff.size || m_tiff.size - at < 2)
        return std::nullopt;
    const uint16_t a = m_tiff.data[at], b = m_tiff.data[at + 1];
    return static_cast<uint16_t>(m_bigEndian ? (a << 8) | b : (b << 8) | a);
}

std::optional<uint32_t> TiffReader::U32(size_t at) const {
    if (at > m_tiff.size || m_tiff.size - at < 4)
        return std::nullopt;
    const auto high = U16(m_bigEndian ? at : at + 2), low = U16(m_bigEndian ? at + 2 : at);
    return (static_cast<uint32_t>(*high) << 16) | *low;
}

std::optional<size_t> TiffReader::FindEntry(uint32_t ifd, uint16_t tag) const {
    const auto count = U16(ifd);
    if (!count)
        return std::nullopt;
    for (uint32_t i = 0; i < *count; ++i) {
        const size_t entry = static_cast<size_t>(ifd) + 2 + kEntrySize * i;
        const auto entryTag = U16(entry);
        if (!entryTag)
            return std::nullopt;
        if (*entryTag == tag)
            return entry;
    }
    return std::nullopt;
}

std::optional<size_t> TiffReader::ValueAt(size_t entry, size_t itemSize) const {
    const auto count = U32(entry + 4);
    const auto offset = U32(entry + 8);
    if (!count || !offset)
        return std::nullopt;
    const uint64_t bytes = static_cast<uint64_t>(*count) * itemSize;
    if (bytes <= 4)
        return entry + 8;
    if (*offset > m_tiff.size || m_tiff.size - *offset < bytes)
        return std::nullopt;
    return *offset;
}

std::optional<LocalSeconds> ExifDateOf(std::string_view text) {
    return text.size() < kDateLength ? std::nullopt : ParseExifDate(reinterpret_cast<const uint8_t*>(text.data()));
}

std::optional<LocalSeconds> ReadExifDateTaken(const uint8_t* data, size_t size) {
    // A TIFF file is itself the structure a JPEG's Exif segment holds.
    if (size >= 4 && ((data[0] == 'I' && data[1] == 'I' && data[2] == 42 && data[3] == 0) ||
                      (data[0] == 'M' && data[1] == 'M' && data[2] == 0 && data[3] == 42)))
        return DateTakenFromTiff(TiffBytes{data, size});
    if (size < 2 || data[0] != 0xFF || data[1] != 0xD8)
        return std::nullopt;
    std::optional<LocalSeconds> taken;
    WalkJpegSegments(data, size, [&](const JpegSegment& segment) {
        const auto tiff = ExifTiffOf(segment);
        if (tiff)
            taken = DateTakenFromTiff(*tiff);
        return !tiff;  // only the first Exif segment counts, as for the orientation
    });
    return taken;
}
