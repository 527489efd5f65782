#pragma once
// Names of the files that belong to a run of the checker, from the program's own path.
#include <string>
#include <string_view>

namespace Pruvo {

// The profile lies in the current directory, not beside the program: an installer medium
// starts the checker with the medium's folder as current directory.
std::string ProfilePath(std::string_view currentDirectory, std::string_view programPath);

// The help file is the program file with the extension HLP in place of its own.
std::string HelpFilePath(std::string_view programPath);

}  // namespace Pruvo
