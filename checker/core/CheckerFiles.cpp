#include "checker/core/CheckerFiles.h"

#include "base/core/ProgramPath.h"

namespace Pruvo {

std::string ProfilePath(std::string_view currentDirectory, std::string_view programPath) {
    return JoinPath(currentDirectory, std::string(BaseNameOf(programPath)) + ".INI");
}

std::string HelpFilePath(std::string_view programPath) {
    return WithExtension(programPath, "HLP");
}

}  // namespace Pruvo
