#include <windows.h>

#include "base/win/DllSearch.h"
#include "widget/core/PictureTypes.h"
#include "widget/win/PictureDecoders.h"
#include "widget/win/PimmoModule.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    RestrictDllSearch();
    // The manifest asks for this; where it is not honoured (some Wine versions) the call does it.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    UsePictureDecoders(InstalledDecoderExtensions);
    PimmoModule pimmo(instance);
    return pimmo.Main(GetCommandLineW());
}
