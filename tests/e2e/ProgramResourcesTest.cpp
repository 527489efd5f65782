#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/E2e.h"

using namespace e2e;

namespace {

std::wstring FileVersion(const std::wstring& exe) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    if (size == 0)
        return {};
    std::string record(size, '\0');
    if (!GetFileVersionInfoW(exe.c_str(), 0, size, record.data()))
        return {};
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&info), &length))
        return {};
    return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionMS)) +
           L"." + std::to_wstring(HIWORD(info->dwFileVersionLS));
}

std::string Manifest(const std::wstring& exe) {
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module)
        return {};
    std::string text;
    if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        if (data)
            text.assign(data, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

TEST(ProgramResources, EachProgramCarriesItsVersionAndManifest) {
    ProgramFolder folder;
    const struct {
        const wchar_t* exe;
        const wchar_t* version;
    } kPrograms[] = {{L"pimmo.exe", L"1.10.0"}, {L"house.exe", L"1.11.0"}, {L"pruvo.exe", L"1.32.0"}};
    for (const auto& program : kPrograms) {
        const std::wstring exe = folder.Exe(program.exe);
        EXPECT_EQ(FileVersion(exe), program.version);
        const std::string manifest = Manifest(exe);
        EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
        EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
        EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
        EXPECT_NE(manifest.find("asInvoker"), std::string::npos);
    }
}

}  // namespace
