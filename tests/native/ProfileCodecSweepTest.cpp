// Code page 932 has look-alikes for some characters (the yen sign and the backslash share a
// byte): writing one of them must not store the other. What the code page cannot hold exactly
// turns the file into UTF-16LE, so every character reads back as it was written.
#include <gtest/gtest.h>

#include "common/core/ProfileAccess.h"
#include "common/core/ProfileSectionAccess.h"
#include "tests/native/ProfileTestFolder.h"
#include "tests/support/ProfileSweep.h"

namespace {

struct LookAlikeCase {
    const char* written;
    const char* lookAlike;  // what the code page's byte for it reads back as
};

const LookAlikeCase kLookAlikes[] = {
    {"¥", "\\"}, {"〜", "～"}, {"—", "―"}, {"¢", "￠"}, {"£", "￡"}, {"¬", "￢"}, {"‖", "∥"}, {"‾", "~"}, {"−", "－"},
};

TEST(ProfileCodecLookAlikes, CodecRefusesTheCharacterAndHoldsItsLookAlike) {
    for (const LookAlikeCase& c : kLookAlikes) {
        EXPECT_EQ(SystemAnsiCodec().FromUtf8(c.written), std::nullopt) << c.written;
        const std::optional<std::string> bytes = SystemAnsiCodec().FromUtf8(c.lookAlike);
        ASSERT_TRUE(bytes.has_value()) << c.lookAlike;
        EXPECT_EQ(SystemAnsiCodec().ToUtf8(*bytes), c.lookAlike);
    }
}

TEST(ProfileCodecLookAlikes, ValueReadsBackAsWrittenNotAsItsLookAlike) {
    ProfileTestFolder folder;
    for (const LookAlikeCase& c : kLookAlikes) {
        const std::string file = folder.File("user1.ini");
        WriteBytes(file, "[PIMMO1]\r\nPimmoName=\x89\xd4\x8e\x71\r\n");
        const std::string path = std::string("C:\\写真") + c.written + "a.jpg";
        ASSERT_TRUE(WriteProfileEntry(file, "PIMMO1", "PictureFile", path));
        EXPECT_EQ(ReadProfileEntry(file, "PIMMO1", "PictureFile", ""), path) << c.written;
        EXPECT_EQ(ReadProfileEntry(file, "PIMMO1", "PimmoName", ""), "花子") << c.written;
        EXPECT_EQ(ReadBytes(file).substr(0, 2), "\xFF\xFE") << c.written;
    }
}

// Names the first character of a value that did not read back.
std::string FirstDifference(const std::string& written, const std::string& read) {
    size_t i = 0;
    while (i < written.size() && i < read.size() && written[i] == read[i])
        ++i;
    return "near byte " + std::to_string(i) + " of " + written.substr(i > 2 ? i - 2 : 0, 8);
}

TEST(ProfileCodecSweep, EveryCharacterOfTheBasicPlaneReadsBackExactly) {
    ProfileTestFolder folder;
    const std::vector<test_support::SweepFile> files = test_support::SweepFiles(SystemAnsiCodec());
    size_t inCodePage = 0;
    for (size_t f = 0; f < files.size(); ++f) {
        const std::string file = folder.File("sweep" + std::to_string(f) + ".ini");
        ASSERT_TRUE(WriteProfileSectionValues(file, "Sweep", files[f].values)) << "file " << f;
        EXPECT_EQ(ReadBytes(file).substr(0, 2) != "\xFF\xFE", files[f].inCodePage) << "file " << f;
        const ProfileSectionValues read = ReadProfileSectionValues(file, "Sweep");
        ASSERT_EQ(read.size(), files[f].values.size()) << "file " << f;
        for (size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(read[i], files[f].values[i]) << FirstDifference(files[f].values[i].second, read[i].second);
        }
        if (files[f].inCodePage)
            inCodePage += files[f].values.size();
    }
    // Code page 932 holds the JIS kanji, kana and symbols: thousands of characters, so the
    // sweep would notice a codec that refused everything.
    EXPECT_GT(inCodePage * 64, 7000u);
}

}  // namespace
