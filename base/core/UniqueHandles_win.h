#pragma once
// The owned Win32 handles: kernel objects, files, modules, GDI objects, icons, menus; and
// ComPtr for COM interfaces.
#include <windows.h>

#include <wrl/client.h>

#include "Unique.h"

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

}  // namespace HandleTraits

using UniqueHandle = Unique<HandleTraits::Kernel>;
using UniqueFile = Unique<HandleTraits::File>;
using UniqueModule = Unique<HandleTraits::Module>;
using UniqueBitmap = Unique<HandleTraits::GdiObject<HBITMAP>>;
using UniqueFont = Unique<HandleTraits::GdiObject<HFONT>>;
using UniqueBrush = Unique<HandleTraits::GdiObject<HBRUSH>>;
using UniqueIcon = Unique<HandleTraits::Icon>;
using UniqueMenu = Unique<HandleTraits::Menu>;
