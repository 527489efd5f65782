// A stand-in for an installer and for a planted DLL in the end-to-end tests. Started as a
// program, or loaded as a DLL (the tests set the DLL flag on a copy), it leaves the file
// "<its own base name>.marker" in the current directory, holding the command line of the
// process, so a test can see that it ran, under which name and from where.
// It has no C runtime: its entry point serves both as program entry and as DLL entry.
#include <windows.h>

namespace {

HMODULE OwnModule() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&OwnModule), &self);
    return self;
}

void WriteMarker(HMODULE self) {
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    DWORD start = 0;
    DWORD dot = length;
    for (DWORD i = 0; i < length; ++i) {
        if (path[i] == L'\\' || path[i] == L'/') {
            start = i + 1;
            dot = length;
        } else if (path[i] == L'.') {
            dot = i;
        }
    }
    wchar_t marker[MAX_PATH + 8] = {};
    DWORD n = 0;
    for (DWORD i = start; i < dot && n < MAX_PATH; ++i) {
        marker[n++] = path[i];
    }
    lstrcpyW(marker + n, L".marker");
    HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    const wchar_t* commandLine = GetCommandLineW();
    DWORD written = 0;
    WriteFile(file, commandLine, static_cast<DWORD>(lstrlenW(commandLine) * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

extern "C" BOOL WINAPI MarkerEntry(HINSTANCE, DWORD reason, void*) {
    const HMODULE self = OwnModule();
    const bool asProgram = self == GetModuleHandleW(nullptr);
    if (asProgram || reason == DLL_PROCESS_ATTACH) {
        WriteMarker(self);
    }
    if (asProgram) {
        ExitProcess(0);
    }
    return TRUE;
}
