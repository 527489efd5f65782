// The Exif date reader of the folder scan. Properties:
//  - any bytes: no crash and no read outside them; a date found is a real time, and a date
//    found in the first part of a file is the date of the whole file (the scan reads 64 KB);
//  - a JPEG built with a date taken in either byte order, behind any other segments and IFD
//    entries, gives exactly that date when it is a real time, and nothing otherwise.
#include <fuzzer/FuzzedDataProvider.h>

#include "common/core/CalendarDate.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/PictureBuilder.h"
#include "widget/core/ExifReader.h"

namespace {

bool IsRealTime(LocalSeconds seconds) {
    return IsValidDate(DateFromDayNumber(seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400));
}

void CheckAnyBytes(const uint8_t* data, size_t size, size_t cut) {
    const auto taken = ReadExifDateTaken(data, size);
    FUZZ_CHECK(!taken || IsRealTime(*taken));
    const auto first = ReadExifDateTaken(data, cut);
    FUZZ_CHECK(!first || first == taken);
}

void CheckBuiltDate(FuzzedDataProvider& input) {
    DateFields d;
    const std::string jpeg = BuildDatedJpeg(input, d);
    const auto taken = ReadExifDateTaken(reinterpret_cast<const uint8_t*>(jpeg.data()), jpeg.size());
    const CalendarDate date{d.year, d.month, d.day};
    const bool real = IsValidDate(date) && d.hour <= 23 && d.minute <= 59 && d.second <= 59;
    FUZZ_CHECK(taken.has_value() == real);
    FUZZ_CHECK(!real || *taken == DayNumber(date) * 86400 + d.hour * 3600 + d.minute * 60 + d.second);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const bool built = data[0] % 2;
    ++data, --size;
    if (!built) {
        CheckAnyBytes(data, size, size == 0 ? 0 : (data[size - 1] * size) / 256);
        return 0;
    }
    FuzzedDataProvider input(data, size);
    CheckBuiltDate(input);
    return 0;
}
