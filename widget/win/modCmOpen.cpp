#include "widget/win/modCmOpen.h"

#include <commdlg.h>

#include <vector>

#include "base/core/Unicode.h"
#include "base/win/ComApartment.h"
#include "widget/core/PimmoTexts.h"

namespace modCmOpen {

namespace {

// Long enough for any path the profile file can hold (its values are read back up to 1023
// bytes); a path beyond the buffer would make the dialog fail as if cancelled.
constexpr DWORD kPathBufferLength = 1024;

// The dialog reads the filter up to a double NUL.
std::wstring DialogFilter(std::string_view filter) {
    std::wstring wide = Widen(filter);
    while (wide.size() < 2 || wide[wide.size() - 1] != L'\0' || wide[wide.size() - 2] != L'\0')
        wide += L'\0';
    return wide;
}

}  // namespace

std::string ShowOpenDialog(HWND owner,
                           std::string_view filter,
                           const std::string& initialFolder,
                           const std::string& title) {
    EnsureComApartment();  // the dialog's folder view is made of shell objects
    std::wstring filterText = DialogFilter(filter);
    std::wstring folder = Widen(initialFolder);
    std::wstring titleText = Widen(title.empty() ? std::string(Text(PimmoText::OpenFileTitle)) : title);
    std::vector<wchar_t> file(kPathBufferLength, L'\0');
    std::vector<wchar_t> fileTitle(kPathBufferLength, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hInstance = GetModuleHandleW(nullptr);
    dialog.lpstrFilter = filterText.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kPathBufferLength;
    dialog.lpstrFileTitle = fileTitle.data();
    dialog.nMaxFileTitle = kPathBufferLength;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = titleText.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog))
        return {};
    return Narrow(file.data());
}

}  // namespace modCmOpen
