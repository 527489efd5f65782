// The folder's stored index and its log of changes, read from disk at every start. Properties:
//  - any bytes: no crash; an index read is sorted with each name once, and written again it
//    reads back the same; a log applied to it keeps it so;
//  - the changes between two indexes, applied as a log, turn the first into the second.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>

#include "tests/fuzz/FuzzCheck.h"
#include "widget/core/PhotoFolderIndex.h"

namespace {

const std::string kFolder = "D:\\photos";

bool NotBefore(const PhotoEntry& a, const PhotoEntry& b) {
    return !(a.name < b.name);
}

// A small index from the input: names a few letters long, so that two indexes share some.
PhotoIndex BuildIndex(FuzzedDataProvider& input) {
    PhotoIndex photos;
    for (size_t count = input.ConsumeIntegralInRange<size_t>(0, 12); count > 0; --count)
        photos.push_back({std::string(1, input.ConsumeIntegralInRange<char>('a', 'f')) + ".jpg",
                          input.ConsumeIntegral<int32_t>(), input.ConsumeBool(), input.ConsumeIntegral<uint16_t>(),
                          input.ConsumeIntegral<int64_t>()});
    SortPhotoIndex(photos);
    photos.erase(std::unique(photos.begin(), photos.end(), NotBefore), photos.end());
    return photos;
}

void CheckAnyBytes(std::string_view bytes) {
    const size_t split = bytes.find('\0');
    const std::string_view stored = bytes.substr(0, split);
    std::optional<PhotoIndex> photos = DecodePhotoIndex(stored, kFolder, true);
    if (!photos)
        return;
    FUZZ_CHECK(std::adjacent_find(photos->begin(), photos->end(), NotBefore) == photos->end());
    FUZZ_CHECK(DecodePhotoIndex(EncodePhotoIndex(kFolder, true, *photos), kFolder, true) == photos);
    if (split != std::string_view::npos &&
        ApplyPhotoIndexLog(bytes.substr(split + 1), StoredPhotoIndexSum(stored), *photos))
        FUZZ_CHECK(std::adjacent_find(photos->begin(), photos->end(), NotBefore) == photos->end());
}

void CheckChanges(FuzzedDataProvider& input) {
    const PhotoIndex before = BuildIndex(input), after = BuildIndex(input);
    const std::string stored = EncodePhotoIndex(kFolder, false, before);
    const uint64_t sum = StoredPhotoIndexSum(stored);
    PhotoIndex photos = *DecodePhotoIndex(stored, kFolder, false);
    FUZZ_CHECK(ApplyPhotoIndexLog(EncodePhotoIndexLogStart(sum) + EncodePhotoIndexChanges(before, after), sum, photos));
    FUZZ_CHECK(photos == after);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    if (data[0] % 2 == 0) {
        CheckAnyBytes(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
        return 0;
    }
    FuzzedDataProvider input(data + 1, size - 1);
    CheckChanges(input);
    return 0;
}
