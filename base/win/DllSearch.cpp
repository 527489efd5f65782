#include <windows.h>

#include "base/win/DllSearch.h"

void RestrictDllSearch() {
    // DLLs loaded from now on, by the program and by the system on its behalf (delay-load
    // helper, COM, the shell) come from the system folder; side-by-side redirection (common
    // controls 6) and DLLs loaded by full path are not affected.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
