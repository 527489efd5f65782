#pragma once
// Functions of DLLs that are not always taken from the system folder (version information,
// common controls, shell, COM, accessibility). The programs run from download, installer and
// unpacked folders, where a planted DLL of such a name would otherwise be loaded into them:
// these DLLs are loaded here, at their first use, from the system folder only.
#include <windows.h>

// The named function of a DLL in the system folder, or nullptr when either is missing. The
// DLL stays loaded for the run.
FARPROC SystemProcedure(const wchar_t* dllName, const char* functionName);

template <typename Function>
Function* SystemFunction(const wchar_t* dllName, const char* functionName) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(SystemProcedure(dllName, functionName)));
}
