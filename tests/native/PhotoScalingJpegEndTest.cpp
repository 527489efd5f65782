#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/PhotoExif.h"
#include "widget/core/JpegEndScanner.h"

namespace {

using namespace std::string_literals;

std::string Be16(unsigned v) {
    return {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
}
std::string Segment(uint8_t marker, const std::string& payload) {
    return "\xFF"s + static_cast<char>(marker) + Be16(static_cast<unsigned>(payload.size() + 2)) + payload;
}

const std::string kSoi = "\xFF\xD8"s;
const std::string kEoi = "\xFF\xD9"s;
// Scan data as encoders write it: stuffed 0xFF 0x00 pairs and restart markers.
const std::string kScanData = "\x12\x34\xFF\x00\x56\xFF\xD0\x78\x9A\xFF\xFF\x00\xBC"s;

std::string Baseline() {
    return kSoi + Segment(0xE0, "JFIF\0\1\1\0\0\1\0\1\0\0"s) + photo_test::ExifSegment(6) +
           Segment(0xDB, std::string(65, '\x10')) + Segment(0xC0, "\x08\x00\x10\x00\x10\x01\x01\x11\x00"s) +
           Segment(0xC4, "\x00\x01\x02"s) + Segment(0xDA, "\x01\x01\x00\x00\x3F\x00"s) + kScanData + kEoi;
}

bool Complete(const std::string& bytes, size_t piece = std::string::npos) {
    JpegEndScanner scanner;
    for (size_t at = 0; at < bytes.size(); at += piece)
        scanner.Feed(reinterpret_cast<const uint8_t*>(bytes.data()) + at, std::min(piece, bytes.size() - at));
    return scanner.Complete();
}

TEST(PhotoScalingJpegEnd, AWholeFileReachesItsEnd) {
    const std::string whole = Baseline();
    for (size_t piece : {std::string::npos, size_t{1}, size_t{2}, size_t{3}, size_t{7}, size_t{64}})
        EXPECT_TRUE(Complete(whole, piece)) << piece;
}

TEST(PhotoScalingJpegEnd, EveryCutOffFileIsIncomplete) {
    const std::string whole = Baseline();
    for (size_t n = 0; n < whole.size(); ++n) {
        EXPECT_FALSE(Complete(whole.substr(0, n))) << n;
        EXPECT_FALSE(Complete(whole.substr(0, n), 1)) << n;
    }
}

TEST(PhotoScalingJpegEnd, EndMarkersInsideSegmentsDoNotCount) {
    // An Exif thumbnail is a whole JPEG of its own, end marker included.
    std::string thumbnail = kSoi + "\x01\x02"s + kEoi;
    std::string file =
        kSoi + Segment(0xE1, "Exif\0\0"s + thumbnail) + Segment(0xDA, "\x01\x01\x00\x00\x3F\x00"s) + "\x11\x22"s;
    EXPECT_FALSE(Complete(file));
    EXPECT_TRUE(Complete(file + kEoi));
}

TEST(PhotoScalingJpegEnd, ProgressiveScansAndTrailingDataAreFollowed) {
    std::string scan = Segment(0xDA, "\x01\x01\x00\x00\x3F\x00"s) + kScanData;
    std::string progressive = kSoi + Segment(0xC2, "\x08\x00\x10\x00\x10\x01\x01\x11\x00"s) + scan +
                              Segment(0xC4, "\x00\x01"s) + scan + Segment(0xDD, "\x00\x04"s) + scan;
    EXPECT_FALSE(Complete(progressive));
    EXPECT_TRUE(Complete(progressive + kEoi));
    // Phones may append a video after the end: what follows is not read.
    EXPECT_TRUE(Complete(progressive + kEoi + "ftypmp42 and more, without any end marker"s));
}

TEST(PhotoScalingJpegEnd, FillBytesAndBytesBetweenSegmentsAreSkipped) {
    std::string file = kSoi + "\xFF\xFF\xFF"s + Segment(0xE0, "x"s) + "\x00\x00"s + Segment(0xDA, "\x01"s) + "\x01"s +
                       "\xFF\xFF\xFF\xD9"s;
    EXPECT_TRUE(Complete(file));
}

TEST(PhotoScalingJpegEnd, ABrokenSegmentLengthNeverCompletes) {
    EXPECT_FALSE(Complete(kSoi + "\xFF\xE0\x00\x01"s + kEoi));
    EXPECT_FALSE(Complete(kSoi + "\xFF\xE0\x00\x00"s + kEoi));
    EXPECT_TRUE(Complete(kSoi + "\xFF\xE0\x00\x02"s + kEoi)) << "an empty segment is fine";
}

}  // namespace
