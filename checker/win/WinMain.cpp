// pruvo: checks the runtimes an installation needs, then starts its real installer.
#include <windows.h>

#include "base/win/DllSearch.h"
#include "checker/win/CheckerApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    RestrictDllSearch();
    Pruvo::CheckerApp app(instance, Pruvo::RunProfilePath());
    return app.Run();
}
