// The engine against the platform's own profile functions: the same reads and writes on two
// copies of the same starting file must read the same, and after the writes every key must
// read back the same through either implementation from either copy. The bytes are not
// compared: the platform here rewrites whole files where Windows edits in place (the
// in-place rules are unit-tested with golden cases).
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/core/ProfileAccess.h"
#include "common/core/ProfileDocument.h"
#include "tests/windows/ProfileDifferentialCases.h"
#include "tests/windows/ProfileWinSupport.h"

namespace {

using Names = std::set<std::pair<std::string, std::string>>;

// Section and key names compare without regard to ASCII case: one spelling per name pair.
std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

void AddNames(Names& names, const std::string& path) {
    if (!FileExists(path))
        return;
    for (const auto& [section, key] : ProfileDocument(ReadFileBytes(path), SystemAnsiCodec()).EntryNames()) {
        names.emplace(Lower(section), Lower(key));
    }
}

class ProfileDifferential : public testing::TestWithParam<DifferentialCase> {};

TEST_P(ProfileDifferential, EngineReadsAndWritesAsThePlatform) {
    const DifferentialCase& c = GetParam();
    ProfileTempFolder folder;
    const std::string engineFile = folder.File("engine.ini");
    const std::string platformFile = folder.File("platform.ini");
    if (c.start) {
        WriteFileBytes(engineFile, *c.start);
        WriteFileBytes(platformFile, *c.start);
    }
    Names names;
    AddNames(names, engineFile);
    for (size_t i = 0; i < c.operations.size(); ++i) {
        const Operation& op = c.operations[i];
        SCOPED_TRACE("operation " + std::to_string(i) + " [" + op.section + "] " + op.key);
        if (op.kind == Operation::Read) {
            EXPECT_EQ(ReadProfileEntry(engineFile, op.section, op.key, op.text),
                      PlatformRead(platformFile, op.section, op.key, op.text));
        } else {
            EXPECT_TRUE(WriteProfileEntry(engineFile, op.section, op.key, op.text));
            EXPECT_TRUE(PlatformWrite(platformFile, op.section, op.key, op.text));
            names.emplace(Lower(op.section), Lower(op.key));
        }
    }
    AddNames(names, engineFile);
    AddNames(names, platformFile);
    PlatformForget(engineFile);
    PlatformForget(platformFile);
    for (const auto& [section, key] : names) {
        SCOPED_TRACE("read back [" + section + "] " + key);
        const std::string expected = PlatformRead(platformFile, section, key, "<absent>");
        EXPECT_EQ(ReadProfileEntry(engineFile, section, key, "<absent>"), expected);
        EXPECT_EQ(PlatformRead(engineFile, section, key, "<absent>"), expected)
            << "the platform reading the engine's file";
        EXPECT_EQ(ReadProfileEntry(platformFile, section, key, "<absent>"), expected)
            << "the engine reading the platform's file";
    }
}

INSTANTIATE_TEST_SUITE_P(HandEdited,
                         ProfileDifferential,
                         testing::ValuesIn(HandEditedCases()),
                         [](const testing::TestParamInfo<DifferentialCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Random,
                         ProfileDifferential,
                         testing::ValuesIn(RandomCases(16)),
                         [](const testing::TestParamInfo<DifferentialCase>& info) { return info.param.name; });

}  // namespace
