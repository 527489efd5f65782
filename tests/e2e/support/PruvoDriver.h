#pragma once
// Driving the runtime checker: a program folder holding pruvo.exe, an installer folder (the
// current directory, where its profile lies), its dialogs, and the marker program that stands
// in for an installer or a planted DLL.
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/e2e/support/E2e.h"

namespace e2e::pruvo {

inline constexpr int kList1 = 1015;
inline constexpr int kHelpButton = 1012;
inline constexpr int kDownloadButton = 1026;
inline constexpr int kDetailsButton = 1027;
inline constexpr int kList2 = 1018;
inline constexpr int kHeading = 1019;
inline constexpr int kHelpText = 1101;

// Where the built marker program lies.
std::wstring MarkerProgram();

// Copies the marker program to the path as it is (a program) or with the DLL flag set in its
// header (a DLL whose start-up code leaves "<name>.marker" in the loading process's current
// directory).
void PlaceMarkerProgram(const std::wstring& path);
void PlaceMarkerDll(const std::wstring& path);

// Writes a profile in code page 932 from UTF-16 lines, with CRLF line ends.
void WriteAnsiProfile(const std::wstring& path, const std::vector<std::wstring>& lines);

struct CheckerRun {
    TempFolder programFolder;    // pruvo.exe
    TempFolder installerFolder;  // the current directory, with pruvo.INI

    CheckerRun();
    std::wstring Exe() const { return programFolder.File(L"pruvo.exe"); }
    std::wstring Profile() const { return installerFolder.File(L"pruvo.INI"); }
    // Places the help file built beside the program.
    void PlaceHelpFile() const;
    Process Start() const { return Process::Start(Exe(), L"", installerFolder.Path()); }
};

// The visible main dialog of the checker (the dialog with the runtime list), or nullptr.
HWND WaitForMainDialog(DWORD pid);
// A visible dialog of the process with this caption, or nullptr.
HWND WaitForDialogCaption(DWORD pid, const std::wstring& caption);

bool IsShown(HWND control);
// Selects one row of a list view in another process.
bool SelectListRow(HWND list, int row);
std::vector<int> ColumnWidths(HWND list, int columns);
std::vector<std::wstring> ColumnTitles(HWND list, int columns);
int ClientWidth(HWND window);

// A control's rectangle in its dialog's client coordinates.
RECT ClientRectOf(HWND control);

// Names of the DLLs in a program file's import table and delay-load table (as written there);
// without delayLoaded the import table's only: the DLLs loaded before the program's own code runs.
std::vector<std::string> ImportedDlls(const std::wstring& exe, bool delayLoaded = true);

}  // namespace e2e::pruvo
