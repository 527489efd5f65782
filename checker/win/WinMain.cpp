// pruvo: checks the runtimes an installation needs, then starts its real installer.
#include <windows.h>

#include "CheckerApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    pruvo::RestrictDllSearch();
    pruvo::CheckerApp app(instance, pruvo::RunProfilePath());
    return app.Run();
}
