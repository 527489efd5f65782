#include "checker/win/CheckerProgram.h"

#include <windows.h>

#include "base/core/Unicode.h"

namespace Pruvo {

std::string CurrentDirectory() {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring directory(size, L'\0');
    const DWORD length = GetCurrentDirectoryW(size, directory.data());
    directory.resize(length < size ? length : 0);
    return Narrow(directory);
}

}  // namespace Pruvo
