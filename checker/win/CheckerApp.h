#pragma once
// The checker's application object: the profile of this run and the outcome of the check.
#include <windows.h>

#include "CheckerProfile.h"

namespace Pruvo {

class CheckerApp {
public:
    CheckerApp(HINSTANCE instance, std::wstring profilePath)
        : m_instance(instance), m_profile(std::move(profilePath)) {}

    // Shows the main dialog and, when the user continues after a complete check, starts what
    // the profile names. The exit status carries no result.
    int Run();

    HINSTANCE Instance() const { return m_instance; }
    const Profile& GetProfile() const { return m_profile; }

    int RuntimeCount() const { return m_runtimeCount; }
    bool AllInstalled() const { return m_allInstalled; }
    void SetRuntimeCount(int count) { m_runtimeCount = count; }
    void SetAllInstalled(bool allInstalled) { m_allInstalled = allInstalled; }

private:
    HINSTANCE m_instance;
    Profile m_profile;
    int m_runtimeCount = 0;
    bool m_allInstalled = false;
};

// Restricts the process's DLL search to the system folder; called before anything else.
void RestrictDllSearch();

// The profile path of this run: current directory, then the program's base name + ".INI".
std::wstring RunProfilePath();

// Copies and opens the files that "ExecuteLink" names.
void RunExecuteLink(const Profile& profile);

}  // namespace Pruvo
