#include "base/win/AccessibleName.h"

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>

#include <atomic>
#include <memory>

#include "base/core/UniqueHandles_win.h"
#include "base/win/CallbackGuard.h"

namespace {

// oleacc, and the COM functions the answer needs, come from the system folder when a screen
// reader first asks: never at start, never from the program's folder (pruvo imports none of them).
template <typename Function>
Function* SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

struct Oleacc {
    decltype(CreateStdAccessibleObject)* createStandard =
        SystemFunction<decltype(CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
    decltype(LresultFromObject)* resultFromObject =
        SystemFunction<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    decltype(SysAllocStringLen)* allocString =
        SystemFunction<decltype(SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
    decltype(CoInitializeEx)* initializeCom = SystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
};

const Oleacc& LoadOleacc() {
    static const Oleacc functions;
    return functions;
}

// The object is handed over through COM, which the thread may not have entered yet.
bool ComReady(const Oleacc& oleacc) {
    thread_local const bool ready = [&] {
        const HRESULT result = oleacc.initializeCom(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
    }();
    return ready;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The system's object of the window with the program's own name and description; everything
// else is the system's.
class NamedAccessible final : public IAccessible {
public:
    NamedAccessible(ComPtr<IAccessible> system, AccessibleText name, AccessibleText description)
        : m_system(std::move(system)), m_name(std::move(name)), m_description(std::move(description)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return m_system->QueryInterface(id, object);  // the children's enumeration, the window
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return m_system->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return m_system->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
        return m_system->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member,
                                     REFIID id,
                                     LCID locale,
                                     WORD flags,
                                     DISPPARAMS* parameters,
                                     VARIANT* result,
                                     EXCEPINFO* exception,
                                     UINT* argument) override {
        return m_system->Invoke(member, id, locale, flags, parameters, result, exception, argument);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return m_name && IsSelf(child) ? Text(m_name, name) : m_system->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return m_description && IsSelf(child) ? Text(m_description, description)
                                              : m_system->get_accDescription(child, description);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return m_system->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return m_system->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return m_system->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return m_system->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return m_system->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return m_system->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return m_system->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return m_system->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return m_system->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return m_system->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return m_system->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return m_system->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return m_system->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        return m_system->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return m_system->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return m_system->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return m_system->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return m_system->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return m_system->put_accValue(child, value);
    }

private:
    ~NamedAccessible() = default;

    // No exception may leave a COM call: a text that cannot be made is no text.
    static HRESULT Text(const AccessibleText& source, BSTR* text) {
        if (!text)
            return E_POINTER;
        *text = nullptr;
        try {
            const std::wstring value = source();
            if (value.empty())
                return S_FALSE;
            *text = LoadOleacc().allocString(value.data(), static_cast<UINT>(value.size()));
            return *text ? S_OK : E_OUTOFMEMORY;
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }

    ComPtr<IAccessible> m_system;
    AccessibleText m_name;
    AccessibleText m_description;
    std::atomic<ULONG> m_references{1};
};

constexpr wchar_t kNameProperty[] = L"PimmoAccessibleName";

// What a named control keeps: its own procedure and its name.
struct ControlName {
    WNDPROC previous = nullptr;
    AccessibleText name;
};

LRESULT CALLBACK NamedControlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* named = static_cast<ControlName*>(GetPropW(control, kNameProperty));
    if (!named)
        return DefWindowProcW(control, message, wParam, lParam);
    const WNDPROC previous = named->previous;
    if (message == WM_GETOBJECT) {
        if (LRESULT answer = Guarded([&] { return AnswerAccessibleObject(control, wParam, lParam, named->name, {}); }))
            return answer;
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(control, kNameProperty);
        delete named;
    }
    return CallWindowProcW(previous, control, message, wParam, lParam);
}

bool ClassIs(HWND window, const wchar_t* name) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    return CompareStringOrdinal(className, -1, name, -1, TRUE) == CSTR_EQUAL;
}

// A static control that shows text (not an icon, a picture or a line).
bool IsLabel(HWND window) {
    const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & SS_TYPEMASK;
    return ClassIs(window, L"Static") &&
           (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE);
}

bool NeedsLabel(HWND window) {
    return ClassIs(window, L"Edit") || ClassIs(window, L"ComboBox") || ClassIs(window, L"ListBox") ||
           ClassIs(window, WC_LISTVIEWW);
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
    if (!oleacc.createStandard || !oleacc.resultFromObject || !oleacc.allocString || !oleacc.initializeCom ||
        !ComReady(oleacc) ||
        FAILED(oleacc.createStandard(window, OBJID_CLIENT, __uuidof(IAccessible),
                                     reinterpret_cast<void**>(system.GetAddressOf()))))
        return 0;
    ComPtr<IAccessible> named;
    named.Attach(new NamedAccessible(std::move(system), std::move(name), std::move(description)));
    const LRESULT result = oleacc.resultFromObject(__uuidof(IAccessible), wParam, named.Get());
    return result > 0 ? result : 0;
}

void NameControl(HWND control, AccessibleText name) {
    if (!control)
        return;
    if (auto* named = static_cast<ControlName*>(GetPropW(control, kNameProperty))) {
        named->name = std::move(name);
        return;
    }
    auto named = std::make_unique<ControlName>();
    named->name = std::move(name);
    if (!SetPropW(control, kNameProperty, named.get()))
        return;
    named->previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NamedControlProcedure)));
    named.release();  // freed with the control, at WM_NCDESTROY
}

void NameControlsByLabels(HWND dialog) {
    HWND label = nullptr;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsLabel(child))
            label = child;
        else if (label && NeedsLabel(child))
            NameControl(child, [label] { return WindowTextOf(label); });
    }
}

std::wstring WindowTextOf(HWND window) {
    if (!IsWindow(window))
        return {};
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}
