#include "widget/win/PhotoWindowPair.h"

#include "base/core/Unicode.h"
#include "base/win/MessageBox.h"
#include "widget/core/MonitorPlacement.h"
#include "widget/core/PhotoGeometry.h"
#include "widget/core/PictureChoice.h"
#include "widget/core/PimmoMessages.h"
#include "widget/win/APICall.h"
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

bool PhotoWindowPair::LoadPhotoWindows(HINSTANCE instance) {
    return m_borderless.Create(instance) && m_bordered.Create(instance);
}

void PhotoWindowPair::DestroyWindows() {
    m_borderless.Destroy();
    m_bordered.Destroy();
}

FrameMetrics PhotoWindowPair::MeasureBorderedFrame() const {
    PixelRect outer = m_bordered.OuterRect();
    PixelSize inner = m_bordered.InnerSize();
    return MeasureFrame(outer.width, outer.height, inner.width, inner.height);
}

void PhotoWindowPair::ShowEmptyPhoto() {
    int side = TwipsToPixels(kEmptyPhotoTwips, SystemTwipsPerPixel());
    for (PhotoWindow* window : {&m_borderless, &m_bordered}) {
        window->SetPicture(nullptr);
        window->SetOuterSize(side, side);
    }
}

void PhotoWindowPair::OnPhotoMouseDown(PhotoWindow& window, int16_t button) {
    if (button & 1) {
        // Drags the window as if by its caption bar, until the button is released.
        ReleaseCapture();
        SendMessageW(window.Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return;
    }
    m_owner.OnPhotoMenu(button);
}

void PhotoWindowPair::OnFilesDropped(PhotoWindow& window, const std::vector<std::string>& files) {
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

void PhotoWindowPair::OnDpiChanged(PhotoWindow& window) {
    if (&window == &WindowFor(m_currentBorder))
        m_owner.OnPhotoDpiChanged();
}

// Closing either window, or the end of the session, ends the whole widget: the other window
// is hidden, and a process left running without a lock could never be reached again.
void PhotoWindowPair::OnUnload(PhotoWindow&, bool sessionEnds) {
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_owner.OnPhotoUnload(sessionEnds);
}

PhotoLoadResult PhotoWindowPair::LoadPhoto(PhotoLoadRequest request) {
    request.dpi = Dpi();
    PhotoLoadResult result = LoadPhotoPicture(request);
    ShowLoadedPhoto(result);
    return result;
}

// Scaled for the monitor the photo is on: the same physical size on every screen.
int PhotoWindowPair::Dpi() const {
    return static_cast<int>(GetDpiForWindow(CurrentPhotoWindow()));
}

void PhotoWindowPair::ShowLoadedPhoto(const PhotoLoadResult& result) {
    if (!result.picture) {
        ShowEmptyPhoto();
        return;
    }
    FrameMetrics frame = MeasureBorderedFrame();
    int width = result.picture->width, height = result.picture->height;
    m_borderless.SetPicture(result.picture);
    m_borderless.SetOuterSize(width, height);
    m_bordered.SetPicture(result.picture);
    m_bordered.SetOuterSize(width + 2 * frame.border, height + frame.caption + frame.border);
}

void PhotoWindowPair::PlacePhotoWindow(int16_t border, int32_t top, int32_t left, const std::string& caption) {
    m_currentBorder = border;
    PhotoWindow& target = WindowFor(border);
    double twipsPerPixel = SystemTwipsPerPixel();
    PixelRect place = target.OuterRect();
    place.left = TwipsToPixels(left, twipsPerPixel);
    place.top = TwipsToPixels(top, twipsPerPixel);
    place = KeepOnAMonitor(place);
    target.MoveTo(place.left, place.top);
    target.SetCaption(caption);
    AlignOtherWindow(border);
}

// The frame is kept on the screen at the top and left edges of the photo's monitor (the
// screen origin on a single monitor), so that the caption bar stays reachable.
void PhotoWindowPair::AlignOtherWindow(int16_t current) {
    FrameMetrics frame = MeasureBorderedFrame();
    PhotoWindow& from = WindowFor(current);
    PhotoWindow& to = WindowFor(current == 0 ? 1 : 0);
    to.SetCaption(from.Caption());
    PixelRect fromRect = from.OuterRect();
    if (current == 0) {
        RECT monitor = NearestMonitor(fromRect).rcMonitor;
        to.SetOuterRect(BorderedAround(fromRect, frame, monitor.left, monitor.top));
    } else {
        to.SetOuterRect(BorderlessInside(fromRect, frame));
    }
    to.SetPicture(from.Picture());
}

void PhotoWindowPair::ShowPhotoWindow(int16_t border, int16_t stacking) {
    m_stacking = stacking;
    APICall::SetWindowZOrder(WindowFor(border).Handle(), stacking);
    WindowFor(border == 0 ? 1 : 0).Hide();
}

void PhotoWindowPair::ToggleBorder() {
    const int16_t current = m_currentBorder == 0 ? 0 : 1;
    AlignOtherWindow(current);
    const int16_t next = current == 0 ? 1 : 0;
    APICall::SetWindowZOrder(WindowFor(next).Handle(), m_stacking);
    WindowFor(current).Hide();
    m_currentBorder = next;
}

WindowPlace PhotoWindowPair::CurrentWindowPlace() const {
    PixelRect rect = WindowFor(m_currentBorder).OuterRect();
    double twipsPerPixel = SystemTwipsPerPixel();
    return {PixelsToTwips(rect.top, twipsPerPixel).value_or(0), PixelsToTwips(rect.left, twipsPerPixel).value_or(0)};
}

void PhotoWindowPair::SetCaption(const std::string& caption) {
    m_borderless.SetCaption(caption);
    m_bordered.SetCaption(caption);
}

void PhotoWindowPair::KeepOnTheScreen() {
    PhotoWindow& current = WindowFor(m_currentBorder);
    PixelRect place = current.OuterRect();
    PixelRect kept = KeepOnAMonitor(place);
    if (kept.left == place.left && kept.top == place.top)
        return;
    current.MoveTo(kept.left, kept.top);
    AlignOtherWindow(m_currentBorder);
}

HWND PhotoWindowPair::CurrentPhotoWindow() const {
    return WindowFor(m_currentBorder).Handle();
}
