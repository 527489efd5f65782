#include <windows.h>
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "base/core/Unicode.h"
#include "base/win/SystemLibrary.h"
#include "checker/win/FileVersion.h"
#include "tests/windows/CheckerTestFolder.h"

namespace Pruvo::test {
namespace {

using CheckerFileVersion = CheckerTestFolder;

// The major and minor number of the file's fixed version record, as "major.minor".
std::string FixedVersionPrefix(const std::wstring& path) {
    auto* const getSize = SystemFunction<decltype(GetFileVersionInfoSizeW)>(L"version.dll", "GetFileVersionInfoSizeW");
    auto* const getInfo = SystemFunction<decltype(GetFileVersionInfoW)>(L"version.dll", "GetFileVersionInfoW");
    auto* const query = SystemFunction<decltype(VerQueryValueW)>(L"version.dll", "VerQueryValueW");
    if (getSize == nullptr || getInfo == nullptr || query == nullptr) {
        return {};
    }
    DWORD ignored = 0;
    const DWORD size = getSize(path.c_str(), &ignored);
    std::string record(size, '\0');
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (size == 0 || !getInfo(path.c_str(), 0, size, record.data()) ||
        !query(record.data(), L"\\", reinterpret_cast<void**>(&info), &length)) {
        return {};
    }
    return std::to_string(HIWORD(info->dwFileVersionMS)) + "." + std::to_string(LOWORD(info->dwFileVersionMS));
}

TEST_F(CheckerFileVersion, ReadsTheVersionTextOfASystemDll) {
    for (const wchar_t* dll : {L"kernel32.dll", L"comctl32.dll", L"version.dll"}) {
        const std::wstring path = SystemFile(dll);
        const std::string version = ReadFileVersion(Narrow(path));
        EXPECT_TRUE(std::regex_search(version, std::regex("^[0-9]+[.,][0-9]+"))) << "[" << version << "]";
        // The text of the first translation agrees with the fixed record's numbers.
        const std::string prefix = FixedVersionPrefix(path);
        ASSERT_FALSE(prefix.empty());
        EXPECT_EQ(version.rfind(prefix, 0), 0u) << version << " vs " << prefix;
        EXPECT_TRUE(version.size() == prefix.size() || !isdigit(static_cast<unsigned char>(version[prefix.size()])))
            << version << " vs " << prefix;
        EXPECT_LE(version.size(), 255u);
    }
}

TEST_F(CheckerFileVersion, IsEmptyForAFileWithoutVersionRecord) {
    WriteBytes(L"plain.dll", "no version record here");
    EXPECT_EQ(ReadFileVersion(Narrow(File(L"plain.dll"))), "");
    WriteBytes(L"empty.dll", "");
    EXPECT_EQ(ReadFileVersion(Narrow(File(L"empty.dll"))), "");
}

TEST_F(CheckerFileVersion, IsEmptyForAProgramWithoutVersionResource) {
    // This test program carries no version resource of its own.
    wchar_t self[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH + 1);
    EXPECT_EQ(ReadFileVersion(Narrow(self)), "");
}

TEST_F(CheckerFileVersion, IsEmptyForAMissingFile) {
    EXPECT_EQ(ReadFileVersion(Narrow(File(L"missing.dll"))), "");
    EXPECT_EQ(ReadFileVersion(""), "");
}

}  // namespace
}  // namespace Pruvo::test
