// The SDL2 layer's private records behind GDI handles. Every GDI object
// (bitmap, palette) starts with a GdiObject, so that DeleteObject can release
// any of them without knowing its kind.
#ifndef HM_SHELL_PLATFORM_SDL_GDI_OBJECT_H
#define HM_SHELL_PLATFORM_SDL_GDI_OBJECT_H

#include "shell/platform/win32.h"

struct GdiObject {
    // Releases the object and everything it owns, the record included.
    void (*destroy)(GdiObject* object);
};

// A device context: either a window's (from GetDC, `window` set) or a memory
// context (from CreateCompatibleDC, `window` NULL).
struct HDC__ {
    HWND window;
    int pixelFormat;          // index set by SetPixelFormat, 0 before
    HBITMAP selectedBitmap;   // memory contexts: the bitmap SelectObject put in
    HPALETTE selectedPalette;
};

#endif
