#pragma once
// Functions of DLLs that are not always taken from the system folder (version information,
// common controls, shell, COM). The checker runs from download and installer folders, where a
// planted DLL of such a name would otherwise be loaded into it: these DLLs are never in the
// import table and are loaded here from the system folder only.
#include <windows.h>

#include <string>

namespace Pruvo {

// The named function of a DLL in the system folder, or nullptr when either is missing.
FARPROC SystemProcedure(const wchar_t* dllName, const char* functionName);

template <typename Function>
Function* SystemFunction(const wchar_t* dllName, const char* functionName) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(SystemProcedure(dllName, functionName)));
}

// Loads the common controls (version 6 through the program's manifest) and registers the list
// view class. Returns false when the controls are not available.
bool InitListViewControls();

// Starts COM for this thread, as the shell expects before it opens documents.
void InitShellCom();

// ShellExecuteW("open") of shell32: opens a document, program or web address.
void ShellOpen(HWND owner, const std::string& file, int showCommand);

}  // namespace Pruvo
