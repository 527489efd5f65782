#include "CheckerDialog.h"

#include "AccessibleName.h"
#include "CheckerColumns.h"
#include "CheckerHelp.h"
#include "CheckerTexts.h"
#include "DllInfoDialog.h"
#include "DllProbe.h"
#include "ListView.h"
#include "MessageBox.h"
#include "RuntimeStatus.h"
#include "SystemLibrary.h"
#include "Unicode.h"
#include "resource.h"

namespace Pruvo {

BOOL CheckerDialog::OnInitDialog() {
    SetIcons();
    NameControlsByLabels(Handle());  // the list by its label above it
    HWND list = Item(IDC_LIST1);
    InsertListColumn(list, 0, "ランタイム名", 100);
    InsertListColumn(list, 1, "状態", 100);
    if (FillRuntimeList() != 0) {
        EnterInstallerMode();
    }
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

int CheckerDialog::FillRuntimeList() {
    const Profile& profile = m_app.GetProfile();
    const int count = profile.ReadInt(kPruvoSection, kNumbersOfDllsKey, 0);
    if (count != 0) {
        m_app.SetAllInstalled(true);
    }
    for (int i = 1; i <= count; ++i) {
        const RuntimeEntry runtime{
            profile.ReadListValue(kRuntimesSection, i), profile.ReadListValue(kDllsSection, i), {}};
        if (AddRuntimeRow(i - 1, runtime) == kNotInstalledText) {
            m_app.SetAllInstalled(false);
        }
    }
    if (count == 0) {
        // Without an installation's profile the checker tells which well-known runtimes this
        // computer has; this leaves the mode and the all-installed flag alone.
        for (int i = 1; i <= kBuiltinRuntimeCount; ++i) {
            AddRuntimeRow(i - 1, BuiltinRuntime(Instance(), i));
        }
    }
    m_app.SetRuntimeCount(count);
    return count;
}

std::string_view CheckerDialog::AddRuntimeRow(int row, const RuntimeEntry& runtime) {
    HWND list = Item(IDC_LIST1);
    const int position = InsertListRow(list, row, runtime.name);
    const std::string_view status = RuntimeStatus(runtime.dllList);
    SetListCell(list, position, 1, status);
    return status;
}

void CheckerDialog::EnterInstallerMode() {
    ShowWindow(Item(IDC_HELP_BUTTON), SW_HIDE);
    SetWindowTextW(Handle(), Widen(kInstallerCaption).c_str());
    if (m_app.AllInstalled()) {
        SetDlgItemTextW(Handle(), IDOK, Widen(kContinueText).c_str());
        return;
    }
    const std::string appName = m_app.GetProfile().ReadString(kPruvoSection, kAppNameKey, kDefaultAppName);
    ShowMessage(Handle(), MissingRuntimeMessage(appName), MB_OK);
    SetDlgItemTextW(Handle(), IDOK, Widen(kQuitText).c_str());
}

RuntimeEntry CheckerDialog::RuntimeAt(int row) const {
    if (m_app.RuntimeCount() == 0) {
        return BuiltinRuntime(Instance(), row + 1);
    }
    return ProfileRuntime(m_app.GetProfile(), row + 1);
}

void CheckerDialog::OnDownload() {
    const int row = SelectedListRow(Item(IDC_LIST1));
    if (row < 0) {
        ShowMessage(Handle(), kSelectForDownloadMessage, MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    const std::string url = RuntimeAt(row).url;
    if (!url.empty()) {
        ShellOpen(GetDesktopWindow(), Widen(url), SW_SHOWDEFAULT);
    }
}

void CheckerDialog::OnDetails() {
    const int row = SelectedListRow(Item(IDC_LIST1));
    if (row < 0) {
        ShowMessage(Handle(), kSelectForDetailsMessage, MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    const RuntimeEntry runtime = RuntimeAt(row);
    DllInfoDialog details(runtime.name, runtime.dllList);
    details.RunModal(Instance(), IDD_DLLINFO, Handle());
}

void CheckerDialog::OnHelp() {
    ShowHelpFile(Instance(), GetAncestor(Handle(), GA_ROOT));
}

}  // namespace Pruvo
