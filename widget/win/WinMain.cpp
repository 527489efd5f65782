#include <windows.h>

#include "PimmoModule.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    PimmoModule pimmo(instance);
    return pimmo.Main(GetCommandLineW());
}
