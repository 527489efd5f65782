#pragma once
// The checker's application object: the profile of this run, the check, then what follows it.
#include <windows.h>

#include <string>

#include "checker/win/CheckerProfile.h"
#include "checker/win/DllProbe.h"

namespace Pruvo {

class CheckerApp {
public:
    CheckerApp(HINSTANCE instance, std::string profilePath) : m_instance(instance), m_profile(std::move(profilePath)) {}

    // Checks the runtimes, shows the result in the main dialog and, when the user continues
    // after a complete check, starts what the profile names. The exit status carries no result.
    int Run();

private:
    HINSTANCE m_instance;
    Profile m_profile;
    DllProbe m_probe;
};

// The profile path of this run: current directory, then the program's base name + ".INI".
std::string RunProfilePath();

// Copies and opens the files that "ExecuteLink" names.
void RunExecuteLink(const ProfileReader& profile);

}  // namespace Pruvo
