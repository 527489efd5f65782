#pragma once
// The owned Win32 handles: kernel objects, files, modules, GDI objects, icons, menus, strings
// the system allocated with CoTaskMemAlloc, a started process's handles, a window's painting;
// and ComPtr for COM interfaces.
#include <windows.h>

#include <objbase.h>

#include <wrl/client.h>

#include "base/core/Unique.h"

using Microsoft::WRL::ComPtr;

namespace HandleTraits {

struct Kernel {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CloseHandle(h); }
};
// CreateFileW reports failure as INVALID_HANDLE_VALUE, not as a null handle.
struct File {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct Module {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { FreeLibrary(h); }
};
template <typename T>
struct GdiObject {
    using Handle = T;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};
struct Icon {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DestroyIcon(h); }
};
struct Menu {
    using Handle = HMENU;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DestroyMenu(h); }
};
// FindFirstFileW's search, closed by FindClose; failure is INVALID_HANDLE_VALUE.
struct Find {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { FindClose(h); }
};
struct CoTaskMemString {
    using Handle = wchar_t*;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CoTaskMemFree(h); }
};

}  // namespace HandleTraits

using UniqueHandle = Unique<HandleTraits::Kernel>;
using UniqueFile = Unique<HandleTraits::File>;
using UniqueModule = Unique<HandleTraits::Module>;
using UniqueBitmap = Unique<HandleTraits::GdiObject<HBITMAP>>;
using UniqueFont = Unique<HandleTraits::GdiObject<HFONT>>;
using UniqueBrush = Unique<HandleTraits::GdiObject<HBRUSH>>;
using UniqueIcon = Unique<HandleTraits::Icon>;
using UniqueMenu = Unique<HandleTraits::Menu>;
using UniqueFind = Unique<HandleTraits::Find>;
// Closes the file now and tells whether the close succeeded: a failed close of a written file
// may mean its bytes never reached the disk.
inline bool CloseWrittenFile(UniqueFile& file) {
    return CloseHandle(file.Release()) != FALSE;
}

// A string the system allocated for the caller (a shell path, a folder name).
using UniqueCoTaskMemString = Unique<HandleTraits::CoTaskMemString>;

// The process and thread handles CreateProcessW returns, both closed with the owner.
struct UniqueProcessInformation {
    UniqueHandle process;
    UniqueHandle thread;
    DWORD processId = 0;

    explicit UniqueProcessInformation(const PROCESS_INFORMATION& info)
        : process(info.hProcess), thread(info.hThread), processId(info.dwProcessId) {}
};

// BeginPaint to EndPaint for one WM_PAINT: the device context is the scope's.
class PaintScope {
public:
    explicit PaintScope(HWND window) : m_window(window) { m_dc = BeginPaint(window, &m_paint); }
    ~PaintScope() { EndPaint(m_window, &m_paint); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const { return m_dc; }
    const PAINTSTRUCT& Paint() const { return m_paint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc = nullptr;
};
