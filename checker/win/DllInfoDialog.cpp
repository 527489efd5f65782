#include "checker/win/DllInfoDialog.h"

#include "base/win/AccessibleName.h"
#include "checker/core/CheckerColumns.h"
#include "checker/core/CheckerTexts.h"
#include "checker/win/ListView.h"
#include "checker/win/PruvoResource.h"

namespace Pruvo {

BOOL DllInfoDialog::OnInitDialog() {
    SetItemText(IDC_HEADING, m_runtimeName);
    NameControlsByLabels(Handle());  // the list by its heading, the runtime's name
    HWND list = Item(IDC_LIST2);
    InsertListColumn(list, 0, Text(CheckerText::DllColumn), 105);
    InsertListColumn(list, 1, Text(CheckerText::PathColumn), 250);
    InsertListColumn(list, 2, Text(CheckerText::VersionColumn), 149);
    int row = 0;
    for (const DllDetails& dll : m_dlls) {
        const int position = InsertListRow(list, row++, dll.name);
        SetListCell(list, position, 1, dll.path ? *dll.path : std::string(Text(CheckerText::DllNotFound)));
        SetListCell(list, position, 2, dll.version);
    }
    const auto widths = DetailsColumnWidths(ClientWidth(list));
    for (int column = 0; column < 3; ++column)
        SetListColumnWidth(list, column, widths[static_cast<size_t>(column)]);
    return TRUE;
}

bool DllInfoDialog::OnCommand(int id, int) {
    if (id != IDOK && id != IDCANCEL)
        return false;
    End(id);
    return true;
}

}  // namespace Pruvo
