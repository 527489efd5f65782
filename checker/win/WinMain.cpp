// pruvo: checks the runtimes an installation needs, then starts its real installer.
#include <windows.h>

#include "CheckerApp.h"
#include "DllSearch.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    RestrictDllSearch();
    Pruvo::CheckerApp app(instance, Pruvo::RunProfilePath());
    return app.Run();
}
