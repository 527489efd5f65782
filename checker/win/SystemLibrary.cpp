#include "checker/win/SystemLibrary.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "base/core/Unicode.h"

namespace Pruvo {

FARPROC SystemProcedure(const wchar_t* dllName, const char* functionName) {
    // The search flag keeps side-by-side redirection (common controls 6) and the loaded-module
    // list, and otherwise looks in the system folder only. The module stays loaded for the run.
    HMODULE module = LoadLibraryExW(dllName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module == nullptr ? nullptr : GetProcAddress(module, functionName);
}

bool InitListViewControls() {
    static auto* const init = SystemFunction<decltype(InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx");
    if (init == nullptr)
        return false;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    return init(&controls) != FALSE;
}

void InitShellCom() {
    static auto* const initialize = SystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    if (initialize != nullptr)
        initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}

void ShellOpen(HWND owner, const std::string& file, int showCommand) {
    static auto* const execute = SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (execute != nullptr)
        execute(owner, L"open", Widen(file).c_str(), nullptr, nullptr, showCommand);
}

}  // namespace Pruvo
