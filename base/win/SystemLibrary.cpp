#include "base/win/SystemLibrary.h"

FARPROC SystemProcedure(const wchar_t* dllName, const char* functionName) {
    // The search flag keeps side-by-side redirection (common controls 6) and the loaded-module
    // list, and otherwise looks in the system folder only.
    HMODULE module = LoadLibraryExW(dllName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module == nullptr ? nullptr : GetProcAddress(module, functionName);
}
