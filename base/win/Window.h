#pragma once
// One base for the programs' own windows: the object is stored with its window at
// WM_NCCREATE and released at WM_NCDESTROY; HandleMessage routes the messages.
#include <windows.h>

struct WindowClass {
    const wchar_t* name = nullptr;
    UINT style = 0;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    // Without one, the system scales the large icon down when the class is registered.
    HICON smallIcon = nullptr;
};

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return m_window; }
    void Destroy();

    // Registers the class (once per process and name) with this base's procedure.
    static bool RegisterClassOnce(HINSTANCE instance, const WindowClass& windowClass);

protected:
    Window() = default;
    // The window, if still there, goes with its object (without telling it).
    virtual ~Window();

    // Creates a window of a class registered above; false when it could not be created.
    bool CreateOf(HINSTANCE instance,
                  const wchar_t* className,
                  DWORD exStyle,
                  const wchar_t* title,
                  DWORD style,
                  const RECT& place,
                  HWND parent);

    // A routing table: one line per message; everything else goes to DefaultHandling.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
};
