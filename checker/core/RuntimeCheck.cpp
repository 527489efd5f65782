#include "checker/core/RuntimeCheck.h"

#include "checker/core/CheckerTexts.h"
#include "checker/core/DllList.h"

namespace Pruvo {

std::string_view RuntimeStateText(RuntimeState state) {
    return Text(state == RuntimeState::Installed ? CheckerText::Installed : CheckerText::NotInstalled);
}

std::string InstallationAppName(const ProfileReader& profile, Language language) {
    const std::string japanese =
        profile.ReadString(kPruvoSection, kAppNameKey, Text(CheckerText::DefaultAppName, language));
    if (language == Language::Japanese)
        return japanese;
    const std::string english = profile.ReadString(kPruvoSection, kAppNameEnglishKey, "");
    return english.empty() ? japanese : english;
}

std::string RuntimeDisplayName(const ProfileReader& profile, int index, Language language) {
    const std::string english =
        language == Language::English ? profile.ReadListValue(kRuntimesEnglishSection, index) : "";
    return english.empty() ? profile.ReadListValue(kRuntimesSection, index) : english;
}

RuntimeEntry ProfileRuntime(const ProfileReader& profile, int index) {
    return {RuntimeDisplayName(profile, index), profile.ReadListValue(kDllsSection, index),
            profile.ReadListValue(kUrlsSection, index)};
}

RuntimeState RuntimeStateOf(std::string_view dllList, const SystemProbe& probe) {
    // Two commas in a row give an empty name, which names no file: asking the system about it
    // would only give an arbitrary answer.
    for (const std::string& name : SplitDllList(dllList))
        if (name.empty() || !probe.IsDllPresent(name))
            return RuntimeState::Missing;
    return RuntimeState::Installed;
}

RuntimeCheck CheckRuntimes(const ProfileReader& profile,
                           const std::vector<RuntimeEntry>& builtinTable,
                           const SystemProbe& probe) {
    RuntimeCheck check;
    check.runtimeCount = profile.ReadInt(kPruvoSection, kNumbersOfDllsKey, 0);
    if (!check.InstallerMode()) {
        // Without an installation's profile the checker tells which well-known runtimes this
        // computer has.
        for (const RuntimeEntry& runtime : builtinTable)
            check.rows.push_back({runtime.name, RuntimeStateOf(runtime.dllList, probe)});
        return check;
    }
    check.allInstalled = true;
    for (int i = 1; i <= check.runtimeCount; ++i) {
        RuntimeResult row{RuntimeDisplayName(profile, i),
                          RuntimeStateOf(profile.ReadListValue(kDllsSection, i), probe)};
        check.allInstalled = check.allInstalled && row.state == RuntimeState::Installed;
        check.rows.push_back(std::move(row));
    }
    return check;
}

std::vector<DllDetails> DescribeDlls(std::string_view dllList, const SystemProbe& probe) {
    std::vector<DllDetails> dlls;
    for (std::string& name : SplitDllList(dllList)) {
        DllDetails dll{std::move(name), std::nullopt, {}};
        if (!dll.name.empty())
            dll.path = probe.FindFile(dll.name);
        if (dll.path)
            dll.version = probe.FileVersion(*dll.path);
        dlls.push_back(std::move(dll));
    }
    return dlls;
}

}  // namespace Pruvo
