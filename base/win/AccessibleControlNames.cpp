#include "base/win/AccessibleName.h"

#include <commctrl.h>

#include <memory>

#include "base/win/CallbackGuard.h"

namespace {

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
