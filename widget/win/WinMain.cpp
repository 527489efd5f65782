#include <windows.h>

#include "PimmoModule.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return Main(instance, GetCommandLineW());
}
