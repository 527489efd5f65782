#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "base/core/Unicode.h"
#include "checker/core/RuntimeCheck.h"
#include "checker/win/DllProbe.h"
#include "tests/windows/CheckerTestFolder.h"

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
    RuntimeState expected;
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
    EXPECT_EQ(RuntimeStateOf(GetParam().dllList, DllProbe()), GetParam().expected) << GetParam().dllList;
}

INSTANTIATE_TEST_SUITE_P(
    Lists,
    CheckerRuntimeStatus,
    ::testing::Values(StatusCase{"kernel32.dll, user32.dll", RuntimeState::Installed},
                      StatusCase{"KERNEL32.DLL", RuntimeState::Installed},  // names are not case-sensitive
                      StatusCase{"comctl32.dll, version.dll, shell32.dll", RuntimeState::Installed},
                      StatusCase{"kernel32", RuntimeState::Installed},        // the loader adds ".dll"
                      StatusCase{"pruvo_copy.dll", RuntimeState::Installed},  // in the current directory
                      StatusCase{"pruvo_copy", RuntimeState::Installed},      // found by the loader's order only
                      StatusCase{"pruvo_text.dll", RuntimeState::Installed},  // the path search finds it; not loadable
                      StatusCase{"pruvo_text", RuntimeState::Missing},        // neither loadable nor found as named
                      StatusCase{"pruvo_no_such_dll_4711.dll", RuntimeState::Missing},
                      StatusCase{"kernel32.dll, pruvo_no_such_dll_4711.dll", RuntimeState::Missing},
                      StatusCase{"kernel32.dll,,user32.dll", RuntimeState::Missing},  // the empty name is missing
                      StatusCase{"", RuntimeState::Installed}));

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
    const auto system = SearchDllPath("kernel32.dll");
    ASSERT_TRUE(system.has_value());
    EXPECT_EQ(CompareStringOrdinal(Widen(*system).c_str(), -1, SystemFile(L"kernel32.dll").c_str(), -1, TRUE),
              CSTR_EQUAL)
        << *system;
    const auto local = SearchDllPath("pruvo_found.dll");
    ASSERT_TRUE(local.has_value());
    EXPECT_EQ(CompareStringOrdinal(Widen(*local).c_str(), -1, File(L"pruvo_found.dll").c_str(), -1, TRUE), CSTR_EQUAL);
    EXPECT_FALSE(SearchDllPath("kernel32").has_value());  // no default extension
    EXPECT_FALSE(SearchDllPath("pruvo_no_such_dll_4711.dll").has_value());
    EXPECT_FALSE(SearchDllPath("").has_value());
}

}  // namespace
}  // namespace Pruvo::test
