// Every character of the Basic Multilingual Plane through the engine's write and read against
// the system's own code page (932 in the test prefix): what the code page cannot hold exactly
// turns the file into UTF-16LE, so nothing reads back as a look-alike, and the platform's own
// functions read the same values from the engine's files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/core/ProfileAccess.h"
#include "common/core/ProfileSectionAccess.h"
#include "tests/support/ProfileSweep.h"
#include "tests/windows/ProfileWinSupport.h"

namespace {

TEST(ProfileCodecSweep, SystemCodePageIs932) {
    // The sweep's claims are about code page 932; another prefix would test something else.
    EXPECT_EQ(GetACP(), 932u);
}

TEST(ProfileCodecSweep, LookAlikesOfTheCodePageAreRefused) {
    for (const char* text : {"¥", "〜", "—", "¢", "£", "¬", "‖", "‾", "−"}) {
        EXPECT_EQ(SystemAnsiCodec().FromUtf8(text), std::nullopt) << text << " spelled by a look-alike";
    }
}

TEST(ProfileCodecSweep, EveryCharacterOfTheBasicPlaneReadsBackExactly) {
    ProfileTempFolder folder;
    const std::vector<test_support::SweepFile> files = test_support::SweepFiles(SystemAnsiCodec());
    int platformMismatches = 0;
    for (size_t f = 0; f < files.size(); ++f) {
        SCOPED_TRACE("file " + std::to_string(f));
        const std::string file = folder.File("sweep" + std::to_string(f) + ".ini");
        ASSERT_TRUE(WriteProfileSectionValues(file, "Sweep", files[f].values));
        EXPECT_EQ(ReadFileBytes(file).substr(0, 2) != "\xFF\xFE", files[f].inCodePage);
        const ProfileSectionValues read = ReadProfileSectionValues(file, "Sweep");
        ASSERT_EQ(read.size(), files[f].values.size());
        for (size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(read[i], files[f].values[i]);
            if (PlatformRead(file, "Sweep", files[f].values[i].first, "") != files[f].values[i].second)
                ++platformMismatches;
        }
    }
    EXPECT_EQ(platformMismatches, 0) << "values the platform reads otherwise than they were written";
}

}  // namespace
