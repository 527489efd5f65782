#include <windows.h>

#include "base/win/DllSearch.h"
#include "manager/win/HouseApplication.h"

// lpCmdLine is the argument text without the program name, as house compares it.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    RestrictDllSearch();
    // The manifest asks for this; where it is not honoured (some Wine versions) the call does it.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    PimmoHouseModule::HouseApplication house(instance);
    return house.Main(arguments ? arguments : L"");
}
