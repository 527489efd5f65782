#include "base/win/Window.h"

#include <utility>

#include "base/win/CallbackGuard.h"

// The derived object is already gone: the window's last messages must not reach it.
Window::~Window() {
    if (!m_window)
        return;
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(m_window, nullptr));
}

void Window::Destroy() {
    if (m_window)
        DestroyWindow(m_window);
}

bool Window::RegisterClassOnce(HINSTANCE instance, const WindowClass& windowClass) {
    WNDCLASSEXW info{};
    if (GetClassInfoExW(instance, windowClass.name, &info))
        return true;
    info.cbSize = sizeof info;
    info.style = windowClass.style;
    info.lpfnWndProc = Procedure;
    info.hInstance = instance;
    info.hIcon = windowClass.icon;
    info.hIconSm = windowClass.smallIcon;
    info.hCursor = windowClass.cursor;
    info.hbrBackground = windowClass.background;
    info.lpszClassName = windowClass.name;
    return RegisterClassExW(&info) != 0;
}

bool Window::CreateOf(HINSTANCE instance,
                      const wchar_t* className,
                      DWORD exStyle,
                      const wchar_t* title,
                      DWORD style,
                      const RECT& place,
                      HWND parent) {
    CreateWindowExW(exStyle, className, title, style, place.left, place.top, place.right - place.left,
                    place.bottom - place.top, parent, nullptr, instance, this);
    return m_window != nullptr;
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return Guarded([&] { return self->HandleMessage(message, wParam, lParam); });
}
