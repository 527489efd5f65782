#pragma once
// Planted DLLs: marker DLLs (PruvoDriver.h, PlaceMarkerDll) named like system DLLs and put in a
// folder of anyone's choosing, and the markers they leave when a program loads them.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/support/E2e.h"

namespace e2e {

// The markers ("*.marker") in a folder, by file name.
std::vector<std::wstring> Markers(const TempFolder& folder);

// Windows loads a DLL file found along the search order. Wine keeps its own built-in DLL of
// that name by default; its per-program setting makes it take the file first, as Windows does,
// so that a planted file would really be loaded. No effect on Windows.
class WineFilesFirst {
public:
    WineFilesFirst(const wchar_t* program, const std::vector<const wchar_t*>& dlls);
    ~WineFilesFirst();
    WineFilesFirst(const WineFilesFirst&) = delete;
    WineFilesFirst& operator=(const WineFilesFirst&) = delete;

private:
    std::wstring m_key;
};

}  // namespace e2e
