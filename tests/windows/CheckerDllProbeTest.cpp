#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "CheckerTestFolder.h"
#include "DllProbe.h"
#include "RuntimeStatus.h"

namespace Pruvo::test {
namespace {

class CheckerDllProbe : public CheckerTestFolder {
protected:
    // A real DLL image under a name of the test's own, lying in the current directory.
    void PlaceDllCopy(const std::wstring& name) const {
        ASSERT_TRUE(CopyFileW(SystemFile(L"version.dll").c_str(), File(name).c_str(), FALSE));
    }
};

struct StatusCase {
    const char* dllList;
    std::string_view expected;
};

class CheckerRuntimeStatus : public CheckerDllProbe, public ::testing::WithParamInterface<StatusCase> {
protected:
    void SetUp() override {
        CheckerDllProbe::SetUp();
        PlaceDllCopy(L"pruvo_copy.dll");
        WriteBytes(L"pruvo_text.dll", "this is no DLL image\r\n");
    }
};

TEST_P(CheckerRuntimeStatus, MatchesWhatThisComputerHas) {
    EXPECT_EQ(RuntimeStatus(GetParam().dllList), GetParam().expected) << GetParam().dllList;
}

INSTANTIATE_TEST_SUITE_P(
    Lists,
    CheckerRuntimeStatus,
    ::testing::Values(StatusCase{"kernel32.dll, user32.dll", kInstalledText},
                      StatusCase{"KERNEL32.DLL", kInstalledText},  // names are not case-sensitive
                      StatusCase{"comctl32.dll, version.dll, shell32.dll", kInstalledText},
                      StatusCase{"kernel32", kInstalledText},        // the loader adds ".dll"
                      StatusCase{"pruvo_copy.dll", kInstalledText},  // in the current directory
                      StatusCase{"pruvo_copy", kInstalledText},      // found by the loader's order only
                      StatusCase{"pruvo_text.dll", kInstalledText},  // the path search finds it; not loadable
                      StatusCase{"pruvo_text", kNotInstalledText},   // neither loadable nor found as named
                      StatusCase{"pruvo_no_such_dll_4711.dll", kNotInstalledText},
                      StatusCase{"kernel32.dll, pruvo_no_such_dll_4711.dll", kNotInstalledText},
                      StatusCase{"kernel32.dll,,user32.dll", kNotInstalledText},  // the empty name is missing
                      StatusCase{"", kInstalledText}));

TEST_F(CheckerDllProbe, LooksAtADllWithoutLoadingItAsCode) {
    // The copy's own name is unknown to the loader; a normal load would leave it in the module
    // list for as long as the process holds it. After the probe nothing of it is loaded.
    PlaceDllCopy(L"pruvo_probe_only.dll");
    EXPECT_TRUE(IsDllPresent("pruvo_probe_only.dll"));
    EXPECT_EQ(GetModuleHandleW(L"pruvo_probe_only.dll"), nullptr);
    // And the file is free again: the probe keeps no mapping of it.
    EXPECT_TRUE(DeleteFileW(File(L"pruvo_probe_only.dll").c_str()));
    EXPECT_FALSE(IsDllPresent("pruvo_probe_only.dll"));
}

TEST_F(CheckerDllProbe, FindsADllInAFolderOfThePathVariable) {
    CreateDirectoryW(File(L"onpath").c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(SystemFile(L"version.dll").c_str(), File(L"onpath\\pruvo_path.dll").c_str(), FALSE));
    SetCurrentDirectoryW(SystemFile(L"").c_str());
    EXPECT_FALSE(IsDllPresent("pruvo_path.dll"));
    wchar_t path[32768] = {};
    GetEnvironmentVariableW(L"PATH", path, 32768);
    const std::wstring previous = path;
    SetEnvironmentVariableW(L"PATH", (previous + L";" + File(L"onpath")).c_str());
    EXPECT_TRUE(IsDllPresent("pruvo_path.dll"));
    EXPECT_TRUE(IsDllPresent("pruvo_path"));
    SetEnvironmentVariableW(L"PATH", previous.c_str());
}

TEST_F(CheckerDllProbe, PathSearchGivesTheFullPathOfTheFile) {
    PlaceDllCopy(L"pruvo_found.dll");
    const auto system = SearchDllPath(L"kernel32.dll");
    ASSERT_TRUE(system.has_value());
    EXPECT_EQ(CompareStringOrdinal(system->c_str(), -1, SystemFile(L"kernel32.dll").c_str(), -1, TRUE), CSTR_EQUAL)
        << std::string(system->begin(), system->end());
    const auto local = SearchDllPath(L"pruvo_found.dll");
    ASSERT_TRUE(local.has_value());
    EXPECT_EQ(CompareStringOrdinal(local->c_str(), -1, File(L"pruvo_found.dll").c_str(), -1, TRUE), CSTR_EQUAL);
    EXPECT_FALSE(SearchDllPath(L"kernel32").has_value());  // no default extension
    EXPECT_FALSE(SearchDllPath(L"pruvo_no_such_dll_4711.dll").has_value());
    EXPECT_FALSE(SearchDllPath(L"").has_value());
}

}  // namespace
}  // namespace Pruvo::test
