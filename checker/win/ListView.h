#pragma once
// The few list-view operations the checker's report lists need, with UTF-8 texts.
#include <windows.h>

#include <string_view>

namespace Pruvo {

void InsertListColumn(HWND list, int column, std::string_view title, int width);
void SetListColumnWidth(HWND list, int column, int width);
// Inserts a row at the position with its first column's text; returns its position.
int InsertListRow(HWND list, int position, std::string_view text);
void SetListCell(HWND list, int row, int column, std::string_view text);
// Position of the selected row, or -1 when no row is selected.
int SelectedListRow(HWND list);
int ClientWidth(HWND window);

}  // namespace Pruvo
