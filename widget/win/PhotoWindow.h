#pragma once
// One of the twin photo windows: PimmoFormBl (no border, no caption bar, no taskbar button)
// or PimmoFormBd (thin fixed border and a caption bar with the caption only, a taskbar
// button). Each holds the photo control PimmoPhoto, which fills its inner area, paints the
// picture at its top-left corner and takes the mouse and dropped files.
#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "PhotoGeometry.h"
#include "PhotoScaling.h"
#include "PixelImage.h"

class PhotoWindow;

// What the windows report to the pair that keeps them in step.
class PhotoWindowEvents {
public:
    // button: 1 left, 2 right, 4 middle.
    virtual void OnPhotoMouseDown(PhotoWindow& window, int16_t button) = 0;
    virtual void OnDoubleClick(PhotoWindow& window) = 0;
    virtual void OnFilesDropped(PhotoWindow& window, const std::vector<std::string>& files) = 0;
    // The window is being closed, or the session ends.
    virtual void OnUnload(PhotoWindow& window) = 0;

protected:
    ~PhotoWindowEvents() = default;
};

inline constexpr wchar_t kBorderlessClass[] = L"PimmoFormBl";
inline constexpr wchar_t kBorderedClass[] = L"PimmoFormBd";
inline constexpr wchar_t kPhotoClass[] = L"PimmoPhoto";

class PhotoWindow {
public:
    enum class Frame { Borderless, Bordered };

    PhotoWindow() = default;
    PhotoWindow(const PhotoWindow&) = delete;
    PhotoWindow& operator=(const PhotoWindow&) = delete;
    ~PhotoWindow();

    // Creates the window hidden at the screen origin, captioned "Pimmo".
    bool Create(HINSTANCE instance, Frame frame, PhotoWindowEvents* events);
    void Destroy();

    HWND Handle() const { return m_window; }
    HWND PhotoControl() const { return m_photo; }
    Frame FrameKind() const { return m_frame; }

    PixelRect OuterRect() const;
    PixelSize InnerSize() const;
    void SetOuterRect(const PixelRect& rect);
    void MoveTo(int left, int top);
    void SetOuterSize(int width, int height);
    void Hide();

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    // Both windows share one picture in memory; an empty one shows the bare control.
    const std::shared_ptr<const PixelImage>& Picture() const { return m_picture; }
    void SetPicture(std::shared_ptr<const PixelImage> picture);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PhotoProc(HWND photo, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandlePhotoMessage(UINT message, WPARAM wParam, LPARAM lParam);
    static void OnGetMinMaxInfo(MINMAXINFO& limits);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnDropFiles(HDROP drop);
    void PaintPhoto();

    HWND m_window = nullptr;
    HWND m_photo = nullptr;
    Frame m_frame = Frame::Borderless;
    PhotoWindowEvents* m_events = nullptr;
    std::shared_ptr<const PixelImage> m_picture;
};
