#pragma once
// The folders the system loader looks through for a DLL named without a folder, written as a
// search path, so that a DLL can be looked up there without being loaded as code.
#include <string>
#include <string_view>

namespace Pruvo {

struct LoaderFolders {
    std::string programFolder;
    std::string systemFolder;        // System32 (or its 32-bit view)
    std::string legacySystemFolder;  // <Windows>\System
    std::string windowsFolder;
    std::string currentFolder;
    std::string pathVariable;  // the PATH environment variable as it stands
};

// The standard order for desktop programs in safe search mode: program folder, system folder,
// 16-bit system folder, Windows folder, current folder, then the PATH folders; separated by ';'
// with empty entries left out.
std::string LoaderSearchPath(const LoaderFolders& folders);

}  // namespace Pruvo
