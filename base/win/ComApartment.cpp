#include <windows.h>

#include <objbase.h>

#include "base/win/ComApartment.h"
#include "base/win/SystemLibrary.h"

bool EnsureComApartment() {
    thread_local const bool ready = [] {
        static auto* const initialize = SystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
        if (initialize == nullptr)
            return false;
        const HRESULT result = initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
    }();
    return ready;
}
