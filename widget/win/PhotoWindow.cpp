#include "widget/win/PhotoWindow.h"

#include <climits>

#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "base/win/AccessibleName.h"
#include "base/win/CommonControls.h"
#include "widget/win/PimmoResource.h"

namespace {

constexpr DWORD kBorderlessStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kBorderlessExStyle = WS_EX_TOOLWINDOW;  // no taskbar button
// A caption bar that carries the caption only: no system menu, hence no buttons either.
constexpr DWORD kBorderedStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kBorderedExStyle = WS_EX_APPWINDOW;
constexpr int kInitialSize = 100;
// The edge of a frameless photo in high contrast, in pixels at 96 DPI.
constexpr int kHighContrastEdge = 2;

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

// The class of one frame, made when its first window is: a start registers what it shows. The
// icon's own small image is given, so that nothing is scaled at a start; the photo control,
// which shows no icon, has none.
bool RegisterPhotoClasses(HINSTANCE instance, bool bordered) {
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    const WindowClass photo{kPhotoClass, CS_DBLCLKS, nullptr, arrow, face};
    const auto small =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PIMMO), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    const WindowClass frame{bordered ? kBorderedClass : kBorderlessClass,
                            CS_DBLCLKS,
                            LoadIconW(instance, MAKEINTRESOURCEW(IDI_PIMMO)),
                            arrow,
                            face,
                            small};
    return Window::RegisterClassOnce(instance, frame) && Window::RegisterClassOnce(instance, photo);
}

// The window takes the photo's size, however small or large: no minimum width for the caption
// bar, no maximum at the screen's size.
void LimitTrackSize(MINMAXINFO& limits) {
    limits.ptMinTrackSize = {1, 1};
    limits.ptMaxTrackSize = {SHRT_MAX, SHRT_MAX};
}

}  // namespace

bool PhotoControl::Create(HINSTANCE instance, HWND parent, const RECT& place) {
    return CreateOf(instance, kPhotoClass, WS_EX_ACCEPTFILES, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, place,
                    parent);
}

// Mouse-downs report the button code: 1 left, 2 right, 4 middle. A quick second right or
// middle click arrives as a double-click message and still counts as a mouse-down.
LRESULT PhotoControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    PhotoWindowEvents& events = m_events;
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_LBUTTONDOWN:
            events.OnPhotoMouseDown(m_owner, 1);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            events.OnPhotoMouseDown(m_owner, 2);
            return 0;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            events.OnPhotoMouseDown(m_owner, 4);
            return 0;
        case WM_LBUTTONDBLCLK:
            events.OnDoubleClick(m_owner);
            return 0;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_MOUSEMOVE:
            m_owner.AddTooltip();  // the common controls load at the first hover, not at every start
            events.OnHover();
            return DefaultHandling(message, wParam, lParam);
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

void PhotoControl::OnDropFiles(HDROP drop) {
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
    m_events.OnFilesDropped(m_owner, files);
}

void PhotoControl::Paint() {
    const PaintScope paint(Handle());
    const HDC dc = paint.Dc();
    RECT area{};
    GetClientRect(Handle(), &area);
    int width = 0, height = 0;
    const std::shared_ptr<const PixelImage>& picture = m_owner.Picture();
    if (picture && picture->width > 0) {
        width = picture->width;
        height = picture->height;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down
        StretchDIBits(dc, 0, 0, width, height, 0, 0, width, height, picture->pixels.data(), &info, DIB_RGB_COLORS,
                      SRCCOPY);
    }
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    RECT right{width, 0, area.right, area.bottom};
    RECT below{0, height, width, area.bottom};
    FillRect(dc, &right, face);
    FillRect(dc, &below, face);
    if (m_edged && HighContrastOn())
        PaintHighContrastEdge(dc, area);
}

// In high contrast a frameless photo could melt into the desktop: it gets an edge in the
// system's window-frame colour, as a framed window has, drawn over the photo's outer pixels so
// that the window keeps its size.
void PhotoControl::PaintHighContrastEdge(HDC dc, RECT area) const {
    const int edge = MulDiv(kHighContrastEdge, static_cast<int>(GetDpiForWindow(Handle())), USER_DEFAULT_SCREEN_DPI);
    HBRUSH frame = GetSysColorBrush(COLOR_WINDOWFRAME);
    for (int i = 0; i < edge && area.right > area.left && area.bottom > area.top; ++i) {
        FrameRect(dc, &area, frame);
        InflateRect(&area, -1, -1);
    }
}

FrameMetrics BorderedFrameMetrics(int dpi) {
    RECT outer{0, 0, 0, 0};
    AdjustWindowRectExForDpi(&outer, kBorderedStyle, FALSE, kBorderedExStyle, static_cast<UINT>(dpi));
    return MeasureFrame(outer.right - outer.left, outer.bottom - outer.top, 0, 0);
}

bool PhotoWindow::Create(HINSTANCE instance) {
    bool bordered = m_frame == Frame::Bordered;
    if (!RegisterPhotoClasses(instance, bordered))
        return false;
    if (!CreateOf(instance, bordered ? kBorderedClass : kBorderlessClass,
                  bordered ? kBorderedExStyle : kBorderlessExStyle, L"Pimmo",
                  bordered ? kBorderedStyle : kBorderlessStyle, {0, 0, kInitialSize, kInitialSize}, nullptr))
        return false;
    RECT inner{};
    GetClientRect(Handle(), &inner);
    return m_photo.Create(instance, Handle(), inner);
}

void PhotoTooltip::Add(HWND window, HWND photo) {
    if (m_tooltip)
        return;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    EnsureCommonControls();  // the tooltip class
    m_tooltip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    if (!m_tooltip)
        return;  // the photo works without it
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(photo);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_tooltip, TTM_SETMAXTIPWIDTH, 0, 600);  // lines break at the text's own line ends
}

void PhotoTooltip::Fill(NMTTDISPINFOW& info, const std::string& text) {
    m_text = Widen(text);
    info.lpszText = m_text.data();
}

PixelRect PhotoWindow::OuterRect() const {
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

PixelSize PhotoWindow::InnerSize() const {
    RECT rect{};
    GetClientRect(Handle(), &rect);
    return {rect.right, rect.bottom};
}

void PhotoWindow::SetOuterRect(const PixelRect& rect) {
    SetWindowPos(Handle(), nullptr, rect.left, rect.top, rect.width, rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PhotoWindow::MoveTo(int left, int top) {
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PhotoWindow::SetOuterSize(int width, int height) {
    SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PhotoWindow::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

POINT PhotoWindow::MenuPoint() const {
    POINT corner{0, 0};
    ClientToScreen(Handle(), &corner);
    return corner;
}

// A screen reader reads the window by its caption (the child's age in days) and describes it
// with the tooltip's text.
LRESULT PhotoWindow::OnGetObject(WPARAM wParam, LPARAM lParam) {
    HWND window = Handle();
    const LRESULT answer = AnswerAccessibleObject(
        window, wParam, lParam, [window] { return WindowTextOf(window); },
        [this, window] { return IsWindow(window) ? Widen(m_events.TooltipText()) : std::wstring(); });
    return answer != 0 ? answer : DefaultHandling(WM_GETOBJECT, wParam, lParam);
}

void PhotoWindow::SetCaption(const std::string& caption) {
    SetWindowTextW(Handle(), Widen(caption).c_str());
}

void PhotoWindow::SetPicture(std::shared_ptr<const PixelImage> picture) {
    m_picture = std::move(picture);
    if (m_photo.Handle())  // without one, every window of the desktop would be painted again
        InvalidateRect(m_photo.Handle(), nullptr, FALSE);
}

LRESULT PhotoWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            MoveWindow(m_photo.Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_LBUTTONDBLCLK:
            m_events.OnDoubleClick(*this);
            return 0;
        case WM_GETMINMAXINFO:
            LimitTrackSize(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOW)
                m_tooltip.Fill(*reinterpret_cast<NMTTDISPINFOW*>(lParam), m_events.TooltipText());
            return 0;
        case WM_CONTEXTMENU:
            // From the keyboard only (the position -1, -1): the right button opens it at its press.
            if (LOWORD(lParam) == 0xFFFF && HIWORD(lParam) == 0xFFFF)
                m_events.OnMenuKey(*this);
            return 0;
        case WM_GETOBJECT:
            return OnGetObject(wParam, lParam);
        case WM_CLOSE:
            m_events.OnUnload(*this, false);
            return 0;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:  // a high-contrast theme turned on or off: colours and edge anew
            InvalidateRect(m_photo.Handle(), nullptr, FALSE);
            return DefaultHandling(message, wParam, lParam);
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam)
                m_events.OnUnload(*this, true);
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

// Per-monitor DPI: the frame changes with the monitor at once; the owner then scales the photo
// anew for the new DPI, from its source.
void PhotoWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    PixelSize inner = InnerSize();
    RECT outer{0, 0, inner.width, inner.height};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), dpi);
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    m_events.OnDpiChanged(*this);
}
