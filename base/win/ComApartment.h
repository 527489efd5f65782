#pragma once
// COM for the user-interface thread (pictures, common dialogs, the shell, screen readers),
// entered once and only when first needed: a start that finds its picture in the cache needs
// none. ole32 comes from the system folder (SystemLibrary), so that pruvo imports no COM DLL.
// Returns whether COM can be used on this thread.
bool EnsureComApartment();
// Leaves COM on a worker thread that entered it through EnsureComApartment, once the thread has
// released every COM object it made: each CoInitializeEx needs its CoUninitialize.
void LeaveComApartment();
