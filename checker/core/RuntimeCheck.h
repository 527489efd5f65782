#pragma once
// The check of the runtimes an installation needs, apart from any window: the runtimes the
// profile lists (or the built-in table), each looked up on the computer through a probe.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/core/Language.h"
#include "checker/core/ProfileReader.h"
#include "checker/core/SystemProbe.h"

namespace Pruvo {

enum class RuntimeState { Installed, Missing };

// The words the runtime list shows for a state.
std::string_view RuntimeStateText(RuntimeState state);

// A runtime: a group of DLLs an application needs.
struct RuntimeEntry {
    std::string name;     // display name
    std::string dllList;  // DLL names separated by commas
    std::string url;      // download page
};

// The names an installation's profile gives, in English from "AppNameEnglish" and
// "RuntimesEnglish" where it has them, otherwise the Japanese ones (or "アプリケーション").
std::string InstallationAppName(const ProfileReader& profile, Language language = UserLanguage());
std::string RuntimeDisplayName(const ProfileReader& profile, int index, Language language = UserLanguage());

// Runtime i (1 to N) of the profile's sections "Runtimes", "Dlls" and "Urls".
RuntimeEntry ProfileRuntime(const ProfileReader& profile, int index);

// Installed when the probe finds every name of the DLL list (an empty list included). An empty
// name names no file and is missing; the probe is never asked about it.
RuntimeState RuntimeStateOf(std::string_view dllList, const SystemProbe& probe);

struct RuntimeResult {
    std::string name;  // display name
    RuntimeState state = RuntimeState::Missing;

    bool operator==(const RuntimeResult&) const = default;
};

struct RuntimeCheck {
    // "NumbersOfDlls" as read: not 0 is installer mode (a negative count lists no runtime).
    int runtimeCount = 0;
    // One row per listed runtime, in order; the built-in table's in plain mode.
    std::vector<RuntimeResult> rows;
    // Installer mode and no listed runtime missing: continuing starts the installer.
    bool allInstalled = false;

    bool InstallerMode() const { return runtimeCount != 0; }
};

// Checks the runtimes the profile lists. A profile that lists none (no file, a count of 0)
// is plain mode: the rows show the built-in table, and the check is never all installed.
RuntimeCheck CheckRuntimes(const ProfileReader& profile,
                           const std::vector<RuntimeEntry>& builtinTable,
                           const SystemProbe& probe);

// One DLL of a runtime as the details list shows it. Only the path search is asked, so a DLL
// that the loader's search alone finds has no path here.
struct DllDetails {
    std::string name;
    std::optional<std::string> path;  // nothing: not found
    std::string version;              // empty without a path or a version record

    bool operator==(const DllDetails&) const = default;
};

std::vector<DllDetails> DescribeDlls(std::string_view dllList, const SystemProbe& probe);

}  // namespace Pruvo
