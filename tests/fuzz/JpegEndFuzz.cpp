// The JPEG end scanner, which refuses a picture that was not copied completely. Properties:
//  - any bytes: the answer does not depend on the pieces the file is read in, an end seen
//    stays seen whatever follows, and an end is only seen where the bytes FF D9 are;
//  - a whole JPEG stream (segments holding any bytes, scans with stuffed bytes and restart
//    markers) reaches its end exactly at its last byte: every shorter copy is refused.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/PictureBuilder.h"
#include "widget/core/JpegEndScanner.h"

namespace {

bool ReachesEnd(const uint8_t* data, size_t size) {
    JpegEndScanner scanner;
    scanner.Feed(data, size);
    return scanner.Complete();
}

void CheckAnyBytes(FuzzedDataProvider& input) {
    const std::string file = input.ConsumeRandomLengthString(8192);
    const auto* bytes = reinterpret_cast<const uint8_t*>(file.data());
    const bool whole = ReachesEnd(bytes, file.size());
    JpegEndScanner pieces;
    for (size_t at = 0; at < file.size();) {
        const size_t piece = std::min(file.size() - at, input.ConsumeIntegralInRange<size_t>(0, 700));
        pieces.Feed(bytes + at, piece);
        at += piece;
        if (input.remaining_bytes() == 0 && at < file.size()) {
            pieces.Feed(bytes + at, file.size() - at);
            at = file.size();
        }
    }
    FUZZ_CHECK(pieces.Complete() == whole);
    if (whole) {
        FUZZ_CHECK(std::string_view(file).find("\xFF\xD9") != std::string_view::npos);
        const uint8_t more[] = {0xFF, 0xD8, 0x00, 0xFF};
        pieces.Feed(more, sizeof more);
        FUZZ_CHECK(pieces.Complete());
    }
}

void CheckWholeStream(FuzzedDataProvider& input) {
    const std::string jpeg = BuildWholeJpeg(input);
    const auto* bytes = reinterpret_cast<const uint8_t*>(jpeg.data());
    JpegEndScanner scanner;
    for (size_t at = 0; at < jpeg.size(); ++at) {
        FUZZ_CHECK(!scanner.Complete());  // a copy cut off before this byte is refused
        scanner.Feed(bytes + at, 1);
    }
    FUZZ_CHECK(scanner.Complete());
    // Whatever follows the end (some phones append a video) changes nothing.
    const std::string withTail = jpeg + input.ConsumeRemainingBytesAsString();
    FUZZ_CHECK(ReachesEnd(reinterpret_cast<const uint8_t*>(withTail.data()), withTail.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool())
        CheckWholeStream(input);
    else
        CheckAnyBytes(input);
    return 0;
}
