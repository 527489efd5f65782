#include "PhotoWindowPair.h"

#include <objbase.h>

#include "APICall.h"
#include "AgeMessages.h"
#include "ContextMenu.h"
#include "MessageBoxes.h"
#include "PhotoGeometry.h"
#include "PhotoLoader.h"
#include "PhotoWindow.h"
#include "PictureChoice.h"
#include "PimmoModule.h"

namespace {

// The empty photo after a load failure, and the outer size of both windows then.
constexpr int32_t kEmptyPhotoTwips = 1500;

class PhotoPair final : public PhotoWindowEvents {
public:
    void OnPhotoMouseDown(PhotoWindow& window, int16_t button) override;
    void OnDoubleClick(PhotoWindow&) override { ToggleBorder(); }
    void OnFilesDropped(PhotoWindow& window, const std::vector<std::string>& files) override;
    void OnUnload(PhotoWindow& window) override;

private:
    bool m_unloaded = false;
};

PhotoPair g_pair;
PhotoWindow g_borderless;
PhotoWindow g_bordered;

PhotoWindow& WindowFor(int16_t border) {
    return border == 0 ? g_borderless : g_bordered;
}

double SystemTwipsPerPixel() {
    return TwipsPerPixel(static_cast<int>(GetDpiForSystem()));
}

FrameMetrics MeasureBorderedFrame() {
    PixelRect outer = g_bordered.OuterRect();
    PixelSize inner = g_bordered.InnerSize();
    return MeasureFrame(outer.width, outer.height, inner.width, inner.height);
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

// A stored place on no monitor (one since removed, another screen layout) would leave the
// photo unreachable; it comes onto the nearest monitor's work area instead.
PixelRect KeepOnAMonitor(const PixelRect& rect) {
    RECT area = ToRECT(rect);
    if (MonitorFromRect(&area, MONITOR_DEFAULTTONULL))
        return rect;
    return MoveIntoArea(rect, ToPixelRect(NearestMonitor(rect).rcWork));
}

void ShowEmptyPhoto() {
    int side = TwipsToPixels(kEmptyPhotoTwips, SystemTwipsPerPixel());
    for (PhotoWindow* window : {&g_borderless, &g_bordered}) {
        window->SetPicture(nullptr);
        window->SetOuterSize(side, side);
    }
}

void PhotoPair::OnPhotoMouseDown(PhotoWindow& window, int16_t button) {
    if (button & 1) {
        // Drags the window as if by its caption bar, until the button is released.
        ReleaseCapture();
        SendMessageW(window.Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return;
    }
    ShowContextMenu(button);
}

void PhotoPair::OnFilesDropped(PhotoWindow& window, const std::vector<std::string>& files) {
    if (files.empty())
        return;
    if (!IsDroppablePicture(files.front())) {
        ShowMessageBox(window.Handle(), kDropRefusal, kAppTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    SettingRecord& setting = Setting();
    TakePicture(setting, files.front());
    SaveSetting(true);
    LoadPhoto(setting.PictureFile);
    PlacePhotoWindow(setting.LastWindowBorder, setting.LastWindowTop, setting.LastWindowLeft);
    ShowPhotoWindow(setting.CurrentBorder, setting.WindowPosition);
}

// Closing either window, or the end of the session, ends the whole widget: the other window
// is hidden, and a process left running without a lock could never be reached again.
void PhotoPair::OnUnload(PhotoWindow&) {
    if (m_unloaded)
        return;
    m_unloaded = true;
    SaveSetting(true);
    ReleaseStartLock();
    g_borderless.Destroy();
    g_bordered.Destroy();
    PostQuitMessage(0);
}

}  // namespace

void LoadPhotoWindows(HINSTANCE instance) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);  // dialogs and pictures
    if (!g_borderless.Create(instance, PhotoWindow::Frame::Borderless, &g_pair) ||
        !g_bordered.Create(instance, PhotoWindow::Frame::Bordered, &g_pair)) {
        ReleaseStartLock();
        ShowMessageBox(nullptr, "写真のウィンドウを作成できないため、Pimmoを終了します。", kAppTitle,
                       MB_OK | MB_ICONSTOP);
        EndProgram(2);
    }
}

void LoadPhoto(const std::string& path) {
    FrameMetrics frame = MeasureBorderedFrame();
    SettingRecord& setting = Setting();
    PhotoLoadResult result = LoadPhotoPicture({path, setting.IsStretched, setting.IsStretchBmpCashed,
                                               setting.PictureSize, setting.StretchMode, CacheFilePath()});
    setting.IsStretchBmpCashed = result.isStretchBmpCashed;
    if (!result.picture) {
        ShowEmptyPhoto();
        return;
    }
    int width = result.picture->width, height = result.picture->height;
    g_borderless.SetPicture(result.picture);
    g_borderless.SetOuterSize(width, height);
    g_bordered.SetPicture(result.picture);
    g_bordered.SetOuterSize(width + 2 * frame.border, height + frame.caption + frame.border);
}

void PlacePhotoWindow(int16_t border, int32_t top, int32_t left) {
    Setting().CurrentBorder = border;
    PhotoWindow& target = WindowFor(border);
    double twipsPerPixel = SystemTwipsPerPixel();
    PixelRect place = target.OuterRect();
    place.left = TwipsToPixels(left, twipsPerPixel);
    place.top = TwipsToPixels(top, twipsPerPixel);
    place = KeepOnAMonitor(place);
    target.MoveTo(place.left, place.top);
    target.SetCaption(AgeCaption());
    AlignOtherWindow(border);
}

// The frame is kept on the screen at the top and left edges of the photo's monitor (the
// screen origin on a single monitor), so that the caption bar stays reachable.
void AlignOtherWindow(int16_t current) {
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

void ShowPhotoWindow(int16_t border, int16_t stacking) {
    APICall::SetWindowZOrder(WindowFor(border).Handle(), stacking);
    WindowFor(border == 0 ? 1 : 0).Hide();
}

void ToggleBorder() {
    SettingRecord& setting = Setting();
    int16_t current = setting.CurrentBorder == 0 ? 0 : 1;
    AlignOtherWindow(current);
    int16_t next = current == 0 ? 1 : 0;
    APICall::SetWindowZOrder(WindowFor(next).Handle(), setting.WindowPosition);
    WindowFor(current).Hide();
    setting.CurrentBorder = next;
}

WindowPlace CurrentWindowPlace() {
    PixelRect rect = WindowFor(Setting().CurrentBorder).OuterRect();
    double twipsPerPixel = SystemTwipsPerPixel();
    return {PixelsToTwips(rect.top, twipsPerPixel).value_or(0), PixelsToTwips(rect.left, twipsPerPixel).value_or(0)};
}

HWND CurrentPhotoWindow() {
    return WindowFor(Setting().CurrentBorder).Handle();
}

std::string AgeCaption() {
    return AgeCaption(Setting().PimmoName, Setting().PimmoBirthDay, Today());
}

void AnniversaryMessage() {
    std::string text = AnniversaryMessageText(Setting().PimmoName, Setting().PimmoBirthDay, Today());
    if (!text.empty())
        ShowMessageBox(CurrentPhotoWindow(), text, kAppTitle, MB_OK);
}

int RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
