#pragma once
// The two photo windows (borderless PimmoFormBl and bordered PimmoFormBd), which always hold
// the same picture at the same place; exactly one of them, the current one, is visible.
#include <windows.h>

#include <cstdint>
#include <string>

#include "widget/win/PhotoLoader.h"
#include "widget/win/PhotoWindow.h"

// What the pair leaves to the widget: the commands that save the setting or end the program.
class PhotoPairOwner {
public:
    // The right button went down on the photo (button: 2 right, 4 middle).
    virtual void OnPhotoMenu(int16_t button) = 0;
    // The menu was asked for from the keyboard; it opens at this screen point.
    virtual void OnPhotoMenuKey(POINT at) = 0;
    // A picture file that may be shown was dropped on the photo.
    virtual void OnPictureDropped(const std::string& path) = 0;
    // A folder was dropped on the photo: its newest photo is shown from now on.
    virtual void OnFolderDropped(const std::string& folder) = 0;
    // Either window is being closed, or the session ends (no message box may be shown then).
    virtual void OnPhotoUnload(bool sessionEnds) = 0;
    // The current window moved to a monitor of another DPI.
    virtual void OnPhotoDpiChanged() = 0;
    // The photo's tooltip: the child's age at a glance.
    virtual std::string PhotoTooltipText() = 0;

protected:
    ~PhotoPairOwner() = default;
};

struct WindowPlace {
    int32_t top = 0;   // twips
    int32_t left = 0;  // twips
};

class PhotoWindowPair final : private PhotoWindowEvents {
public:
    explicit PhotoWindowPair(PhotoPairOwner& owner) : m_owner(owner) {}

    // Creates both windows hidden: first the borderless, then the bordered one.
    bool LoadPhotoWindows(HINSTANCE instance);
    void DestroyWindows();

    // Puts the picture (natural size, cached or scaled) into both windows and sizes them to it,
    // scaled for the current window's monitor (the request's dpi is the pair's). Returns the
    // cache flag afterwards.
    int16_t LoadPhoto(PhotoLoadRequest request);
    // Puts a picture loaded elsewhere (for Dpi()) into both windows, as LoadPhoto does.
    void ShowLoadedPhoto(const PhotoLoadResult& result);
    // The DPI of the current window's monitor: what a picture is scaled for.
    int Dpi() const;
    // Whether the windows hold a picture (false after a load failure).
    bool HasPicture() const { return m_borderless.Picture() != nullptr; }
    // Makes the window chosen by border current, moves it to (left, top) twips and captions it.
    // A place on no monitor is moved onto the nearest monitor's work area.
    void PlacePhotoWindow(int16_t border, int32_t top, int32_t left, const std::string& caption);
    // Gives the other window the caption, place, size and picture of the current one (0 the
    // borderless window, any other value the bordered one).
    void AlignOtherWindow(int16_t current);
    // Shows the chosen window with the stacking order (0 normal, 1 on top, other bottom), hides the other.
    void ShowPhotoWindow(int16_t border, int16_t stacking);
    // Switches the current window in place: the frame appears or disappears around the photo;
    // the new window takes the stacking order the pair last showed.
    void ToggleBorder();
    // Which window is current: 0 the borderless one, 1 the bordered one. The pair alone decides
    // it (placing and toggling); the setting's stored frame follows at the next save.
    int16_t CurrentBorder() const { return m_currentBorder; }
    // The caption of both windows.
    void SetCaption(const std::string& caption);
    // After a change of the monitors: a current window on none comes onto the nearest one, by
    // the rule of PlacePhotoWindow; the stored place follows at the next save.
    void KeepOnTheScreen();

    // The outer position of the current window.
    WindowPlace CurrentWindowPlace() const;
    // The current photo window, owner of the widget's dialogs and menus.
    HWND CurrentPhotoWindow() const;
    HWND Borderless() const { return m_borderless.Handle(); }
    HWND Bordered() const { return m_bordered.Handle(); }

private:
    void OnPhotoMouseDown(PhotoWindow& window, int16_t button) override;
    void OnMenuKey(PhotoWindow& window) override { m_owner.OnPhotoMenuKey(window.MenuPoint()); }
    void OnDoubleClick(PhotoWindow&) override { ToggleBorder(); }
    void OnFilesDropped(PhotoWindow& window, const std::vector<std::string>& files) override;
    void OnUnload(PhotoWindow& window, bool sessionEnds) override;
    void OnDpiChanged(PhotoWindow& window) override;
    std::string TooltipText() override { return m_owner.PhotoTooltipText(); }

    PhotoWindow& WindowFor(int16_t border) { return border == 0 ? m_borderless : m_bordered; }
    const PhotoWindow& WindowFor(int16_t border) const { return border == 0 ? m_borderless : m_bordered; }
    FrameMetrics MeasureBorderedFrame() const;
    void ShowEmptyPhoto();

    PhotoPairOwner& m_owner;
    int16_t m_currentBorder = 0;
    int16_t m_stacking = 0;
    PhotoWindow m_borderless{PhotoWindow::Frame::Borderless, *this};
    PhotoWindow m_bordered{PhotoWindow::Frame::Bordered, *this};
    bool m_unloaded = false;
};
