#include "base/win/AccessibleName.h"

#include "base/win/ComApartment.h"
#include "base/win/NamedAccessible.h"
#include "base/win/SystemLibrary.h"

namespace {

// oleacc, and the COM functions the answer needs, come from the system folder when a screen
// reader first asks: never at start, never from the program's folder (pruvo imports none of them).
struct Oleacc {
    decltype(CreateStdAccessibleObject)* createStandard =
        SystemFunction<decltype(CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
    decltype(LresultFromObject)* resultFromObject =
        SystemFunction<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    AllocateAccessibleText allocString =
        SystemFunction<decltype(SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
};

const Oleacc& LoadOleacc() {
    static const Oleacc functions;
    return functions;
}

}  // namespace

LRESULT AnswerAccessibleObject(HWND window,
                               WPARAM wParam,
                               LPARAM lParam,
                               AccessibleText name,
                               AccessibleText description) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return 0;
    const Oleacc& oleacc = LoadOleacc();
    ComPtr<IAccessible> system;
    // The object is handed over through COM, which the thread may not have entered yet.
    if (!oleacc.createStandard || !oleacc.resultFromObject || !oleacc.allocString || !EnsureComApartment() ||
        FAILED(oleacc.createStandard(window, OBJID_CLIENT, __uuidof(IAccessible),
                                     reinterpret_cast<void**>(system.GetAddressOf()))))
        return 0;
    const ComPtr<IAccessible> named =
        NameAccessible(std::move(system), std::move(name), std::move(description), oleacc.allocString);
    const LRESULT result = oleacc.resultFromObject(__uuidof(IAccessible), wParam, named.Get());
    return result > 0 ? result : 0;
}
