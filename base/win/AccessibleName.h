#pragma once
// Names and descriptions for screen readers. A window answers WM_GETOBJECT with the system's own
// accessible object for it, whose name (and description) come from the program: the system's
// object names a list or combo box by nothing, or by what it shows, rather than by its label.
// AccessibleName.cpp answers the message, NamedAccessible is the object it answers with, and
// AccessibleControlNames.cpp names the controls of other classes.
#include <windows.h>

#include <functional>
#include <string>

// Asked each time a screen reader reads the window, so that the text is always the current one.
using AccessibleText = std::function<std::wstring()>;

// The answer to WM_GETOBJECT for the window's client object, named by name and described by
// description (an empty function keeps the system's own text); 0 for any other object, which
// leaves it to the system.
LRESULT AnswerAccessibleObject(HWND window,
                               WPARAM wParam,
                               LPARAM lParam,
                               AccessibleText name,
                               AccessibleText description);

// Gives a control of another class (a dialog's edit, list or button) this accessible name for
// as long as it exists.
void NameControl(HWND control, AccessibleText name);

// Names every list box, combo box, list view and edit control of the dialog that has none of its
// own by the text of the label that precedes it in the dialog's order, read when asked.
void NameControlsByLabels(HWND dialog);

// The text of a window, e.g. a label's.
std::wstring WindowTextOf(HWND window);
