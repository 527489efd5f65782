#include "checker/win/CheckerDialog.h"

#include "base/core/ProgramPath.h"
#include "base/core/Unicode.h"
#include "base/win/AccessibleName.h"
#include "base/win/HelpRelatedLibrary.h"
#include "base/win/MessageBox.h"
#include "checker/core/CheckerColumns.h"
#include "checker/core/CheckerFiles.h"
#include "checker/core/CheckerTexts.h"
#include "checker/win/DllInfoDialog.h"
#include "checker/win/ListView.h"
#include "checker/win/PruvoResource.h"
#include "checker/win/Runtimes.h"
#include "checker/win/ShellFunctions.h"

namespace Pruvo {

BOOL CheckerDialog::OnInitDialog() {
    SetIcons();
    NameControlsByLabels(Handle());  // the list by its label above it
    HWND list = Item(IDC_LIST1);
    InsertListColumn(list, 0, Text(CheckerText::RuntimeColumn), 100);
    InsertListColumn(list, 1, Text(CheckerText::StateColumn), 100);
    FillRuntimeList();
    if (m_check.InstallerMode())
        EnterInstallerMode();
    const auto widths = MainColumnWidths(ClientWidth(list));
    SetListColumnWidth(list, 0, widths[0]);
    SetListColumnWidth(list, 1, widths[1]);
    return TRUE;
}

bool CheckerDialog::OnCommand(int id, int) {
    switch (id) {
        case IDC_HELP_BUTTON:
        case IDHELP:
            OnHelp();
            return true;
        case IDC_DOWNLOAD:
            OnDownload();
            return true;
        case IDC_DETAILS:
            OnDetails();
            return true;
        case IDOK:
            End(IDOK);
            return true;
        case IDCANCEL:
            End(IDCANCEL);
            return true;
        default:
            return false;
    }
}

void CheckerDialog::SetIcons() {
    const auto load = [this](int metricX, int metricY) {
        return reinterpret_cast<LPARAM>(LoadImageW(Instance(), MAKEINTRESOURCEW(IDI_PRUVO), IMAGE_ICON,
                                                   GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_SHARED));
    };
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, load(SM_CXICON, SM_CYICON));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, load(SM_CXSMICON, SM_CYSMICON));
}

void CheckerDialog::FillRuntimeList() {
    HWND list = Item(IDC_LIST1);
    int row = 0;
    for (const RuntimeResult& runtime : m_check.rows) {
        const int position = InsertListRow(list, row++, runtime.name);
        SetListCell(list, position, 1, RuntimeStateText(runtime.state));
    }
}

void CheckerDialog::EnterInstallerMode() {
    ShowItem(IDC_HELP_BUTTON, false);
    SetWindowTextW(Handle(), Widen(Text(CheckerText::InstallerCaption)).c_str());
    if (m_check.allInstalled) {
        SetItemText(IDOK, std::string(Text(CheckerText::ContinueText)));
        return;
    }
    const std::string appName = InstallationAppName(m_profile);
    ShowMessage(Handle(), MissingRuntimeBox(appName));
    SetItemText(IDOK, std::string(Text(CheckerText::QuitText)));
}

RuntimeEntry CheckerDialog::RuntimeAt(int row) const {
    if (!m_check.InstallerMode())
        return BuiltinRuntime(Instance(), row + 1);
    return ProfileRuntime(m_profile, row + 1);
}

void CheckerDialog::OnDownload() {
    const int row = SelectedListRow(Item(IDC_LIST1));
    if (row < 0) {
        ShowMessage(Handle(), SelectionNeededBox(Text(CheckerText::SelectForDownload)));
        return;
    }
    const std::string url = RuntimeAt(row).url;
    if (!url.empty())
        ShellOpen(GetDesktopWindow(), url, SW_SHOWDEFAULT);
}

void CheckerDialog::OnDetails() {
    const int row = SelectedListRow(Item(IDC_LIST1));
    if (row < 0) {
        ShowMessage(Handle(), SelectionNeededBox(Text(CheckerText::SelectForDetails)));
        return;
    }
    const RuntimeEntry runtime = RuntimeAt(row);
    DllInfoDialog details(runtime.name, DescribeDlls(runtime.dllList, m_probe));
    details.RunModal(Instance(), IDD_DLLINFO, Handle());
}

void CheckerDialog::OnHelp() {
    // The whole file on one page, at no topic: pruvo's help is not split into topics.
    HelpRelatedLibrary::ShowHelp(Instance(), GetAncestor(Handle(), GA_ROOT),
                                 {HelpFilePath(ProgramPath()), std::nullopt, Text(CheckerText::HelpUnreadable), "\n"});
}

}  // namespace Pruvo
