#include "widget/win/PhotoWindowPair.h"

#include "base/core/Unicode.h"
#include "base/win/MessageBox.h"
#include "widget/core/MonitorPlacement.h"
#include "widget/core/PhotoGeometry.h"
#include "widget/core/PictureChoice.h"
#include "widget/core/PimmoMessages.h"
#include "widget/win/APICall.h"
#include "widget/win/CaptureExclusion.h"
#include "widget/win/PhotoLoader.h"

namespace {

// The empty photo after a load failure, and the outer size of both windows then.
constexpr int32_t kEmptyPhotoTwips = 1500;

double SystemTwipsPerPixel() {
    return TwipsPerPixel(static_cast<int>(GetDpiForSystem()));
}

RECT ToRECT(const PixelRect& rect) {
    return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}
PixelRect ToPixelRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

MONITORINFO NearestMonitor(const PixelRect& rect) {
    RECT area = ToRECT(rect);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST), &info);
    return info;
}

struct Monitors {
    std::vector<PixelRect> screens;
    std::vector<PixelRect> workAreas;
};

Monitors CurrentMonitors() {
    Monitors monitors;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
            MONITORINFO info{};
            info.cbSize = sizeof info;
            if (GetMonitorInfoW(monitor, &info)) {
                auto* found = reinterpret_cast<Monitors*>(data);
                found->screens.push_back(ToPixelRect(info.rcMonitor));
                found->workAreas.push_back(ToPixelRect(info.rcWork));
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

// A place on no monitor (one since removed, another screen layout) would leave the photo
// unreachable; it comes onto the work area of the nearest monitor instead.
PixelRect KeepOnAMonitor(const PixelRect& rect) {
    Monitors monitors = CurrentMonitors();
    return KeepOnMonitors(rect, monitors.screens, monitors.workAreas);
}

}  // namespace

void PhotoPairInput::OnPhotoMouseDown(PhotoWindow& window, int16_t button) {
    if (button & 1) {
        // Drags the window as if by its caption bar, until the button is released.
        ReleaseCapture();
        SendMessageW(window.Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return;
    }
    m_owner.OnPhotoMenu(button);
}

void PhotoPairInput::OnDoubleClick(PhotoWindow&) {
    m_pair.ToggleBorder();
}

void PhotoPairInput::OnFilesDropped(PhotoWindow& window, const std::vector<std::string>& files) {
    if (files.empty())
        return;
    const DWORD attributes = GetFileAttributesW(Widen(files.front()).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        m_owner.OnFolderDropped(files.front());
        return;
    }
    if (!IsDroppablePicture(files.front())) {
        ShowMessage(window.Handle(), DropRefusalBox());
        return;
    }
    m_owner.OnPictureDropped(files.front());
}

void PhotoPairInput::OnDpiChanged(PhotoWindow& window) {
    if (window.Handle() == m_pair.CurrentPhotoWindow())
        m_owner.OnPhotoDpiChanged();
}

// Closing either window, or the end of the session, ends the whole widget: the other window
// is hidden, and a process left running without a lock could never be reached again.
void PhotoPairInput::OnUnload(PhotoWindow&, bool sessionEnds) {
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_owner.OnPhotoUnload(sessionEnds);
}

bool PhotoWindowPair::LoadPhotoWindows(HINSTANCE instance, WindowFrame first) {
    m_instance = instance;
    m_current = first;
    return Make(first);
}

// A window made while a command runs, or after the captures option was applied, is in step
// with its twin from the start, as is its picture, size and place.
bool PhotoWindowPair::Make(WindowFrame frame) {
    PhotoWindow& window = m_windows[Index(frame)];
    if (window.Handle())
        return true;
    if (!window.Create(m_instance))
        return false;
    if (m_keptOutOfCaptures)
        ::KeepOutOfCaptures(window.Handle(), true);
    if (!m_inputEnabled)
        EnableWindow(window.Handle(), FALSE);
    if (frame != m_current)
        AlignOtherWindow();  // the picture, size and place of the current one
    return true;
}

void PhotoWindowPair::DestroyWindows() {
    for (PhotoWindow& window : m_windows)
        window.Destroy();
}

void PhotoWindowPair::KeepOutOfCaptures(bool hidden) {
    m_keptOutOfCaptures = hidden;
    for (PhotoWindow& window : m_windows)
        if (window.Handle())
            ::KeepOutOfCaptures(window.Handle(), hidden);
}

// Scaled for the monitor the photo is on: the same physical size on every screen.
int PhotoWindowPair::Dpi() const {
    return static_cast<int>(GetDpiForWindow(CurrentPhotoWindow()));
}

// The outer size of a frame's window around the picture; after a load failure both windows
// take the empty photo's outer size.
PixelSize PhotoWindowPair::OuterSize(WindowFrame frame, const PixelImage* picture) const {
    if (!picture) {
        const int side = TwipsToPixels(kEmptyPhotoTwips, SystemTwipsPerPixel());
        return {side, side};
    }
    if (frame == WindowFrame::Borderless)
        return {picture->width, picture->height};
    const FrameMetrics metrics = BorderedFrameMetrics(Dpi());
    return {picture->width + 2 * metrics.border, picture->height + metrics.caption + metrics.border};
}

// Before its first placing a window is only given the picture: the placing sizes and moves it
// in one step, which a start would otherwise take twice.
void PhotoWindowPair::ShowLoadedPhoto(const PhotoLoadResult& result) {
    for (const WindowFrame frame : {WindowFrame::Borderless, WindowFrame::Bordered}) {
        PhotoWindow& window = m_windows[Index(frame)];
        if (!window.Handle())
            continue;  // made later, in step with its twin
        window.SetPicture(result.picture);
        if (m_placed) {
            const PixelSize size = OuterSize(frame, result.picture.get());
            window.SetOuterSize(size.width, size.height);
        }
    }
}

void PhotoWindowPair::PlacePhotoWindow(WindowFrame frame, int32_t top, int32_t left, const std::string& caption) {
    if (!Make(frame))
        return;  // the window of the other frame stays
    m_current = frame;
    PhotoWindow& target = m_windows[Index(frame)];
    const double twipsPerPixel = SystemTwipsPerPixel();
    const PixelSize size = OuterSize(frame, target.Picture().get());
    const PixelRect place = KeepOnAMonitor(
        {TwipsToPixels(left, twipsPerPixel), TwipsToPixels(top, twipsPerPixel), size.width, size.height});
    m_placed = true;  // a new monitor's DPI, told during the move, sizes the photo anew
    target.SetOuterRect(place);
    m_caption = caption;
    target.SetCaption(caption);
    AlignOtherWindow();
}

// The frame is kept on the screen at the top and left edges of the photo's monitor (the
// screen origin on a single monitor), so that the caption bar stays reachable.
void PhotoWindowPair::AlignOtherWindow() {
    const int current = Index(m_current);
    PhotoWindow& from = m_windows[current];
    PhotoWindow& to = m_windows[1 - current];
    if (!to.Handle())
        return;  // made, and aligned, when it is first needed
    const FrameMetrics frame = BorderedFrameMetrics(Dpi());
    to.SetCaption(m_caption);
    PixelRect fromRect = from.OuterRect();
    if (current == 0) {
        RECT monitor = NearestMonitor(fromRect).rcMonitor;
        to.SetOuterRect(BorderedAround(fromRect, frame, monitor.left, monitor.top));
    } else {
        to.SetOuterRect(BorderlessInside(fromRect, frame));
    }
    to.SetPicture(from.Picture());
}

void PhotoWindowPair::ShowPhotoWindow(WindowFrame frame, Stacking stacking) {
    m_stacking = stacking;
    APICall::SetWindowZOrder(m_windows[Index(frame)].Handle(), stacking);
    if (m_windows[1 - Index(frame)].Handle())
        m_windows[1 - Index(frame)].Hide();
}

void PhotoWindowPair::ToggleBorder() {
    const WindowFrame next = m_current == WindowFrame::Borderless ? WindowFrame::Bordered : WindowFrame::Borderless;
    if (!Make(next))
        return;  // the frame stays as it is
    AlignOtherWindow();
    APICall::SetWindowZOrder(m_windows[Index(next)].Handle(), m_stacking);
    m_windows[Index(m_current)].Hide();
    m_current = next;
}

WindowPlace PhotoWindowPair::CurrentWindowPlace() const {
    PixelRect rect = m_windows[Index(m_current)].OuterRect();
    double twipsPerPixel = SystemTwipsPerPixel();
    return {PixelsToTwips(rect.top, twipsPerPixel).value_or(0), PixelsToTwips(rect.left, twipsPerPixel).value_or(0)};
}

void PhotoWindowPair::SetCaption(const std::string& caption) {
    m_caption = caption;
    for (PhotoWindow& window : m_windows)
        if (window.Handle())
            window.SetCaption(caption);
}

void PhotoWindowPair::KeepOnTheScreen() {
    PhotoWindow& current = m_windows[Index(m_current)];
    PixelRect place = current.OuterRect();
    PixelRect kept = KeepOnAMonitor(place);
    if (kept.left == place.left && kept.top == place.top)
        return;
    current.MoveTo(kept.left, kept.top);
    AlignOtherWindow();
}

void PhotoWindowPair::EnableInput(bool enabled) {
    m_inputEnabled = enabled;
    for (PhotoWindow& window : m_windows)
        if (IsWindow(window.Handle()))
            EnableWindow(window.Handle(), enabled ? TRUE : FALSE);
}
