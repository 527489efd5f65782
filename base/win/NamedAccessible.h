#pragma once
// The system's accessible object of a window, answering with the program's own name and
// description; every other property and method is the system object's.
#include <windows.h>

#include <oleacc.h>

#include "base/core/UniqueHandles_win.h"
#include "base/win/AccessibleName.h"

// Makes the text a screen reader receives (SysAllocStringLen of oleaut32).
using AllocateAccessibleText = decltype(SysAllocStringLen)*;

// An empty name or description function keeps the system's own text.
ComPtr<IAccessible> NameAccessible(ComPtr<IAccessible> system,
                                   AccessibleText name,
                                   AccessibleText description,
                                   AllocateAccessibleText allocate);
