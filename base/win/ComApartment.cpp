#include <windows.h>

#include <objbase.h>

#include "base/win/ComApartment.h"
#include "base/win/SystemLibrary.h"

namespace {

enum class Apartment { Unknown, Entered, Borrowed, Failed };  // Borrowed: another model came first

Apartment& ThreadApartment() {
    thread_local Apartment apartment = Apartment::Unknown;
    return apartment;
}

}  // namespace

bool EnsureComApartment() {
    Apartment& apartment = ThreadApartment();
    if (apartment == Apartment::Unknown) {
        static auto* const initialize = SystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
        const HRESULT result =
            initialize ? initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE) : E_FAIL;
        apartment = SUCCEEDED(result)              ? Apartment::Entered
                    : result == RPC_E_CHANGED_MODE ? Apartment::Borrowed
                                                   : Apartment::Failed;
    }
    return apartment != Apartment::Failed;
}

void LeaveComApartment() {
    Apartment& apartment = ThreadApartment();
    if (apartment == Apartment::Entered) {
        static auto* const uninitialize = SystemFunction<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize");
        if (uninitialize)
            uninitialize();
    }
    apartment = Apartment::Unknown;
}
