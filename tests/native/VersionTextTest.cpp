#include <gtest/gtest.h>

#include "common/core/VersionText.h"

namespace {

TEST(VersionText, MinorHasTwoDigitsAndRevisionALetter) {
    const struct {
        uint16_t major;
        uint16_t minor;
        uint16_t revision;
        const char* text;
    } kCases[] = {
        {1, 10, 0, "Version 1.10"},  // pimmo
        {1, 11, 0, "Version 1.11"},  // house
        {2, 5, 1, "Version 2.05a"},
        {1, 0, 0, "Version 1.00"},
        {0, 9, 2, "Version 0.09b"},
        {1, 99, 0, "Version 1.99"},
        {1, 100, 0, "Version 1.00"},  // only the last two digits
        {1, 123, 0, "Version 1.23"},
        {3, 10, 26, "Version 3.10z"},
        {12, 1, 3, "Version 12.01c"},
        {3, 10, 27, "Version 3.10.27"},  // past "z" no symbol such as "{" is shown
        {65535, 65535, 65535, "Version 65535.35.65535"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(VersionText(c.major, c.minor, c.revision), c.text) << c.text;
}

}  // namespace
