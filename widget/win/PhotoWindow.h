#pragma once
// One of the twin photo windows: PimmoFormBl (no border, no caption bar, no taskbar button)
// or PimmoFormBd (thin fixed border and a caption bar with the caption only, a taskbar
// button). Each holds the photo control PimmoPhoto, which fills its inner area, paints the
// picture at its top-left corner and takes the mouse and dropped files.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "base/win/Window.h"
#include "widget/core/PhotoGeometry.h"
#include "widget/core/PhotoScaling.h"
#include "widget/core/PixelImage.h"

class PhotoWindow;

// What the windows report to the pair that keeps them in step.
class PhotoWindowEvents {
public:
    // button: 1 left, 2 right, 4 middle.
    virtual void OnPhotoMouseDown(PhotoWindow& window, int16_t button) = 0;
    // Shift+F10 or the menu key on the focused window: the menu at the window.
    virtual void OnMenuKey(PhotoWindow& window) = 0;
    virtual void OnDoubleClick(PhotoWindow& window) = 0;
    virtual void OnFilesDropped(PhotoWindow& window, const std::vector<std::string>& files) = 0;
    // The window is being closed, or the session ends (no message box may be shown then).
    virtual void OnUnload(PhotoWindow& window, bool sessionEnds) = 0;
    // The window now lies on a monitor of another DPI.
    virtual void OnDpiChanged(PhotoWindow& window) = 0;
    // The mouse moves over the photo: its tooltip may soon be asked for.
    virtual void OnHover() = 0;
    // The text of the photo's tooltip, asked for each time it shows.
    virtual std::string TooltipText() = 0;

protected:
    ~PhotoWindowEvents() = default;
};

inline constexpr wchar_t kBorderlessClass[] = L"PimmoFormBl";
inline constexpr wchar_t kBorderedClass[] = L"PimmoFormBd";
inline constexpr wchar_t kPhotoClass[] = L"PimmoPhoto";

// The photo control: paints the shared picture and passes the mouse and drops on.
class PhotoControl final : public Window {
public:
    // edged: a frameless photo, which gets an edge in high contrast.
    PhotoControl(PhotoWindow& owner, PhotoWindowEvents& events, bool edged)
        : m_owner(owner), m_events(events), m_edged(edged) {}
    bool Create(HINSTANCE instance, HWND parent, const RECT& place);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();
    void PaintHighContrastEdge(HDC dc, RECT area) const;
    void OnDropFiles(HDROP drop);

    PhotoWindow& m_owner;
    PhotoWindowEvents& m_events;
    bool m_edged;
};

// The photo's tooltip: the child's age at a glance; the text is asked for each time it shows,
// so it is always today's.
class PhotoTooltip {
public:
    // Added at the first move of the mouse over the photo, so that a widget nobody hovers never
    // loads the common controls. Owned by the window: destroyed with it.
    void Add(HWND window, HWND photo);
    // The text asked for, kept until the next ask.
    void Fill(NMTTDISPINFOW& info, const std::string& text);

private:
    HWND m_tooltip = nullptr;
    std::wstring m_text;
};

// The frame around the photo of a bordered window at that DPI; its twin is placed by it even
// before the bordered window is made.
FrameMetrics BorderedFrameMetrics(int dpi);

class PhotoWindow final : public Window {
public:
    enum class Frame { Borderless, Bordered };

    PhotoWindow(Frame frame, PhotoWindowEvents& events)
        : m_frame(frame), m_events(events), m_photo(*this, events, frame == Frame::Borderless) {}

    // Creates the window hidden at the screen origin, captioned "Pimmo".
    bool Create(HINSTANCE instance);

    PixelRect OuterRect() const;
    PixelSize InnerSize() const;
    void SetOuterRect(const PixelRect& rect);
    void MoveTo(int left, int top);
    void SetOuterSize(int width, int height);
    void Hide();
    // Where a menu opened from the keyboard appears: the photo's top-left corner, on the screen.
    POINT MenuPoint() const;

    void SetCaption(const std::string& caption);

    // Both windows share one picture in memory; an empty one shows the bare control.
    const std::shared_ptr<const PixelImage>& Picture() const { return m_picture; }
    void SetPicture(std::shared_ptr<const PixelImage> picture);
    void AddTooltip() { m_tooltip.Add(Handle(), m_photo.Handle()); }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);

    Frame m_frame;
    PhotoWindowEvents& m_events;
    PhotoControl m_photo;
    std::shared_ptr<const PixelImage> m_picture;
    PhotoTooltip m_tooltip;
};
