#include "checker/win/ShellFunctions.h"

#include <commctrl.h>
#include <shellapi.h>

#include "base/core/Unicode.h"
#include "base/win/SystemLibrary.h"

namespace Pruvo {

bool InitListViewControls() {
    static auto* const init = SystemFunction<decltype(InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx");
    if (init == nullptr)
        return false;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    return init(&controls) != FALSE;
}

void ShellOpen(HWND owner, const std::string& file, int showCommand) {
    static auto* const execute = SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (execute != nullptr)
        execute(owner, L"open", Widen(file).c_str(), nullptr, nullptr, showCommand);
}

}  // namespace Pruvo
