#include <windows.h>

#include <objbase.h>

#include "base/win/ComApartment.h"

bool EnsureComApartment() {
    thread_local const bool ready = [] {
        const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
    }();
    return ready;
}
