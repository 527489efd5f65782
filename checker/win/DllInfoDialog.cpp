#include "DllInfoDialog.h"

#include "AccessibleName.h"
#include "CheckerColumns.h"
#include "CheckerTexts.h"
#include "DllList.h"
#include "DllProbe.h"
#include "FileVersion.h"
#include "ListView.h"
#include "Unicode.h"
#include "resource.h"

namespace Pruvo {

BOOL DllInfoDialog::OnInitDialog() {
    SetDlgItemTextW(Handle(), IDC_HEADING, Widen(m_runtimeName).c_str());
    NameControlsByLabels(Handle());  // the list by its heading, the runtime's name
    HWND list = Item(IDC_LIST2);
    InsertListColumn(list, 0, "DLL名", 105);
    InsertListColumn(list, 1, "ファイルのパス", 250);
    InsertListColumn(list, 2, "バージョン情報", 149);
    int row = 0;
    for (const std::string& name : SplitDllList(m_dllList)) {
        // Only the path search is asked here, so a DLL found by the loader's own search alone
        // shows as not installed.
        const auto path = SearchDllPath(Widen(name));
        const int position = InsertListRow(list, row++, name);
        SetListCell(list, position, 1, path ? Narrow(*path) : std::string(kDllNotFoundText));
        SetListCell(list, position, 2, path ? ReadFileVersion(*path) : std::string());
    }
    const auto widths = DetailsColumnWidths(ClientWidth(list));
    for (int column = 0; column < 3; ++column) {
        SetListColumnWidth(list, column, widths[static_cast<size_t>(column)]);
    }
    return TRUE;
}

bool DllInfoDialog::OnCommand(int id, int) {
    if (id == IDOK || id == IDCANCEL) {
        End(id);
        return true;
    }
    return false;
}

}  // namespace Pruvo
