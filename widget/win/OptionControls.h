#pragma once
// Moving the options form's values into and out of the dialog's list, combo and check-box
// controls.
#include <windows.h>

#include "widget/core/OptionsForm.h"

// A drop-down list: its entries, the selected one (none for -1) and whether it takes input.
void ShowList(HWND list, const ListControl& values);
// A combo box with an editable field: its suggestions, its text and whether it takes input.
void ShowCombo(HWND combo, const ComboControl& values);
// The selected entry's index, -1 when none is selected.
int SelectedEntry(HWND list);

// The check boxes are three-state so that an odd stored value can show grayed; a click only
// ever ticks or unticks them.
void ShowCheck(HWND box, CheckState state);
CheckState ReadCheck(HWND box);
CheckState NextCheckState(CheckState state);
