#include "PhotoWindow.h"

#include <climits>

#include "MessageBoxes.h"
#include "PimmoModule.h"
#include "Unicode.h"
#include "resource.h"

namespace {

constexpr DWORD kBorderlessStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kBorderlessExStyle = WS_EX_TOOLWINDOW;  // no taskbar button
// A caption bar that carries the caption only: no system menu, hence no buttons either.
constexpr DWORD kBorderedStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kBorderedExStyle = WS_EX_APPWINDOW;
constexpr int kInitialSize = 100;

bool RegisterOnce(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, name, &windowClass))
        return true;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PIMMO));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0;
}

// No exception may unwind through the system's window procedures: an unexpected one ends the
// widget, releasing its setting first so that the next start is not refused.
[[noreturn]] void EndAfterUnexpectedFailure() {
    try {
        ReleaseStartLock();
    } catch (...) {
    }
    try {
        ShowMessageBox(nullptr, "予期しないエラーが発生したため、Pimmoを終了します。", kAppTitle, MB_OK | MB_ICONSTOP);
    } catch (...) {
    }
    EndProgram(3);
}

template <typename Handler>
LRESULT Guarded(Handler handler) {
    try {
        return handler();
    } catch (...) {
        EndAfterUnexpectedFailure();
    }
}

}  // namespace

PhotoWindow::~PhotoWindow() {
    Destroy();
}

bool PhotoWindow::Create(HINSTANCE instance, Frame frame, PhotoWindowEvents* events) {
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    if (!RegisterOnce(instance, kBorderlessClass, WindowProc, face) ||
        !RegisterOnce(instance, kBorderedClass, WindowProc, face) ||
        !RegisterOnce(instance, kPhotoClass, PhotoProc, face))
        return false;
    m_frame = frame;
    m_events = events;
    bool bordered = frame == Frame::Bordered;
    CreateWindowExW(bordered ? kBorderedExStyle : kBorderlessExStyle, bordered ? kBorderedClass : kBorderlessClass,
                    L"Pimmo", bordered ? kBorderedStyle : kBorderlessStyle, 0, 0, kInitialSize, kInitialSize, nullptr,
                    nullptr, instance, this);
    if (!m_window)
        return false;
    RECT inner{};
    GetClientRect(m_window, &inner);
    m_photo = CreateWindowExW(WS_EX_ACCEPTFILES, kPhotoClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                              inner.right, inner.bottom, m_window, nullptr, instance, this);
    return m_photo != nullptr;
}

void PhotoWindow::Destroy() {
    if (m_window)
        DestroyWindow(m_window);
}

PixelRect PhotoWindow::OuterRect() const {
    RECT rect{};
    GetWindowRect(m_window, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

PixelSize PhotoWindow::InnerSize() const {
    RECT rect{};
    GetClientRect(m_window, &rect);
    return {rect.right, rect.bottom};
}

void PhotoWindow::SetOuterRect(const PixelRect& rect) {
    SetWindowPos(m_window, nullptr, rect.left, rect.top, rect.width, rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PhotoWindow::MoveTo(int left, int top) {
    SetWindowPos(m_window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PhotoWindow::SetOuterSize(int width, int height) {
    SetWindowPos(m_window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PhotoWindow::Hide() {
    ShowWindow(m_window, SW_HIDE);
}

std::string PhotoWindow::Caption() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(m_window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(m_window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void PhotoWindow::SetCaption(const std::string& caption) {
    SetWindowTextW(m_window, Widen(caption).c_str());
}

void PhotoWindow::SetPicture(std::shared_ptr<const PixelImage> picture) {
    m_picture = std::move(picture);
    InvalidateRect(m_photo, nullptr, FALSE);
}

LRESULT CALLBACK PhotoWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<PhotoWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<PhotoWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_window = nullptr;
        self->m_photo = nullptr;
    }
    if (!self || !self->m_window)
        return DefWindowProcW(window, message, wParam, lParam);
    return Guarded([&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT PhotoWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            MoveWindow(m_photo, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_LBUTTONDBLCLK:
            m_events->OnDoubleClick(*this);
            return 0;
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            m_events->OnUnload(*this);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam)
                m_events->OnUnload(*this);
            return 0;
        default:
            return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

LRESULT CALLBACK PhotoWindow::PhotoProc(HWND photo, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<PhotoWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(photo, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<PhotoWindow*>(GetWindowLongPtrW(photo, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(photo, GWLP_USERDATA, 0);
    if (!self || !self->m_photo || message == WM_NCDESTROY)
        return DefWindowProcW(photo, message, wParam, lParam);
    return Guarded([&] { return self->HandlePhotoMessage(message, wParam, lParam); });
}

// Mouse-downs report the button code: 1 left, 2 right, 4 middle. A quick second right or
// middle click arrives as a double-click message and still counts as a mouse-down.
LRESULT PhotoWindow::HandlePhotoMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            PaintPhoto();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_LBUTTONDOWN:
            m_events->OnPhotoMouseDown(*this, 1);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            m_events->OnPhotoMouseDown(*this, 2);
            return 0;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            m_events->OnPhotoMouseDown(*this, 4);
            return 0;
        case WM_LBUTTONDBLCLK:
            m_events->OnDoubleClick(*this);
            return 0;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        default:
            return DefWindowProcW(m_photo, message, wParam, lParam);
    }
}

// The window takes the photo's size, however small or large: no minimum width for the caption
// bar, no maximum at the screen's size.
void PhotoWindow::OnGetMinMaxInfo(MINMAXINFO& limits) {
    limits.ptMinTrackSize = {1, 1};
    limits.ptMaxTrackSize = {SHRT_MAX, SHRT_MAX};
}

// Per-monitor DPI: the frame changes with the monitor, the photo must not.
void PhotoWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    PixelSize inner = InnerSize();
    RECT outer{0, 0, inner.width, inner.height};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_EXSTYLE)), dpi);
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void PhotoWindow::OnDropFiles(HDROP drop) {
    std::vector<std::string> files;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(static_cast<size_t>(length) + 1, L'\0');
        name.resize(DragQueryFileW(drop, i, name.data(), length + 1));
        if (!name.empty())
            files.push_back(Narrow(name));  // an empty list may count as one empty name
    }
    DragFinish(drop);
    m_events->OnFilesDropped(*this, files);
}

void PhotoWindow::PaintPhoto() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(m_photo, &paint);
    RECT area{};
    GetClientRect(m_photo, &area);
    int width = 0, height = 0;
    if (m_picture && m_picture->width > 0) {
        width = m_picture->width;
        height = m_picture->height;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down
        StretchDIBits(dc, 0, 0, width, height, 0, 0, width, height, m_picture->pixels.data(), &info, DIB_RGB_COLORS,
                      SRCCOPY);
    }
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    RECT right{width, 0, area.right, area.bottom};
    RECT below{0, height, width, area.bottom};
    FillRect(dc, &right, face);
    FillRect(dc, &below, face);
    EndPaint(m_photo, &paint);
}
