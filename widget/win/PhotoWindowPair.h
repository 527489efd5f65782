#pragma once
// The two photo windows (borderless PimmoFormBl and bordered PimmoFormBd), which always hold
// the same picture at the same place; exactly one of them, the current one, is visible. The
// window of the other frame is made when it is first needed (most widgets never change their
// frame), so that a start makes one window, as a bare program does.
#include <windows.h>

#include <cstdint>
#include <string>

#include "widget/core/PhotoWindowKinds.h"
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
    // The photo's tooltip: the child's age at a glance; hovered: it may soon be asked for.
    virtual void OnPhotoHover() = 0;
    virtual std::string PhotoTooltipText() = 0;

protected:
    ~PhotoPairOwner() = default;
};

struct WindowPlace {
    int32_t top = 0;   // twips
    int32_t left = 0;  // twips
};

class PhotoWindowPair;

// What the twins tell, passed on to the owner: a left button drags the window, a double-click
// toggles the frame, a drop is told as a picture or a folder (or refused), the first unload ends.
class PhotoPairInput final : public PhotoWindowEvents {
public:
    PhotoPairInput(PhotoWindowPair& pair, PhotoPairOwner& owner) : m_pair(pair), m_owner(owner) {}

private:
    void OnPhotoMouseDown(PhotoWindow& window, int16_t button) override;
    void OnMenuKey(PhotoWindow& window) override { m_owner.OnPhotoMenuKey(window.MenuPoint()); }
    void OnDoubleClick(PhotoWindow&) override;
    void OnFilesDropped(PhotoWindow& window, const std::vector<std::string>& files) override;
    void OnUnload(PhotoWindow& window, bool sessionEnds) override;
    void OnDpiChanged(PhotoWindow& window) override;
    void OnHover() override { m_owner.OnPhotoHover(); }
    std::string TooltipText() override { return m_owner.PhotoTooltipText(); }

    PhotoWindowPair& m_pair;
    PhotoPairOwner& m_owner;
    bool m_unloaded = false;
};

class PhotoWindowPair final {
public:
    explicit PhotoWindowPair(PhotoPairOwner& owner) : m_input(*this, owner) {}

    // Makes the window of that frame, hidden, and makes it current; the other follows when it is
    // first placed or toggled to.
    bool LoadPhotoWindows(HINSTANCE instance, WindowFrame first);
    void DestroyWindows();

    // Puts a picture (natural size, cached or scaled, for Dpi()) into the windows and, once
    // they are placed, sizes them to it; an empty one shows the empty photo.
    void ShowLoadedPhoto(const PhotoLoadResult& result);
    // The DPI of the current window's monitor: what a picture is scaled for.
    int Dpi() const;
    // Whether the windows hold a picture (false after a load failure).
    bool HasPicture() const { return m_windows[Index(m_current)].Picture() != nullptr; }
    // Makes the window of that frame current, sizes it to its picture, moves it to (left, top)
    // twips and captions it.
    // A place on no monitor is moved onto the nearest monitor's work area.
    void PlacePhotoWindow(WindowFrame frame, int32_t top, int32_t left, const std::string& caption);
    // Gives the other window the caption, place, size and picture of the current one.
    void AlignOtherWindow();
    // Shows the window of that frame in the stacking order, hides the other.
    void ShowPhotoWindow(WindowFrame frame, Stacking stacking);
    // Switches the current window in place: the frame appears or disappears around the photo;
    // the new window takes the stacking order the pair last showed.
    void ToggleBorder();
    // Which window is current. The pair alone decides it (placing and toggling); the setting's
    // stored frame follows at the next save.
    WindowFrame CurrentFrame() const { return m_current; }
    // The caption of the windows.
    void SetCaption(const std::string& caption);
    // After a change of the monitors: a current window on none comes onto the nearest one, by
    // the rule of PlacePhotoWindow; the stored place follows at the next save.
    void KeepOnTheScreen();

    // The outer position of the current window.
    WindowPlace CurrentWindowPlace() const;
    // The current photo window, owner of the widget's dialogs and menus.
    HWND CurrentPhotoWindow() const { return m_windows[Index(m_current)].Handle(); }
    // "画面の共有や録画に写さない" for both windows, the one made later too.
    void KeepOutOfCaptures(bool hidden);
    // While a menu command runs the windows take no input.
    void EnableInput(bool enabled);

private:
    static int Index(WindowFrame frame) { return frame == WindowFrame::Borderless ? 0 : 1; }
    // The window of that frame, made now if it was not yet; false if it cannot be made.
    bool Make(WindowFrame frame);
    PixelSize OuterSize(WindowFrame frame, const PixelImage* picture) const;

    PhotoPairInput m_input;
    HINSTANCE m_instance = nullptr;
    bool m_keptOutOfCaptures = false;
    bool m_inputEnabled = true;
    bool m_placed = false;
    WindowFrame m_current = WindowFrame::Borderless;
    Stacking m_stacking = Stacking::Normal;
    std::string m_caption = "Pimmo";
    // The borderless window (PimmoFormBl), then the bordered one (PimmoFormBd).
    PhotoWindow m_windows[2]{{PhotoWindow::Frame::Borderless, m_input}, {PhotoWindow::Frame::Bordered, m_input}};
};
