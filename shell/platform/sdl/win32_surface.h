// Win32 GL-surface declarations of the SDL2 layer: the pixel format
// descriptor and its flags, device contexts, GL contexts, buffer swapping,
// logical palettes and the process heap.
#ifndef HM_SHELL_PLATFORM_SDL_WIN32_SURFACE_H
#define HM_SHELL_PLATFORM_SDL_WIN32_SURFACE_H

#include "shell/platform/sdl/win32_base.h"

#define PFD_DOUBLEBUFFER 0x00000001u
#define PFD_DRAW_TO_WINDOW 0x00000004u
#define PFD_SUPPORT_OPENGL 0x00000020u
#define PFD_NEED_PALETTE 0x00000080u
#define PFD_TYPE_RGBA 0
#define PFD_MAIN_PLANE 0

typedef struct tagPIXELFORMATDESCRIPTOR {
    WORD nSize;
    WORD nVersion;
    DWORD dwFlags;
    BYTE iPixelType;
    BYTE cColorBits;
    BYTE cRedBits;
    BYTE cRedShift;
    BYTE cGreenBits;
    BYTE cGreenShift;
    BYTE cBlueBits;
    BYTE cBlueShift;
    BYTE cAlphaBits;
    BYTE cAlphaShift;
    BYTE cAccumBits;
    BYTE cAccumRedBits;
    BYTE cAccumGreenBits;
    BYTE cAccumBlueBits;
    BYTE cAccumAlphaBits;
    BYTE cDepthBits;
    BYTE cStencilBits;
    BYTE cAuxBuffers;
    BYTE iLayerType;
    BYTE bReserved;
    DWORD dwLayerMask;
    DWORD dwVisibleMask;
    DWORD dwDamageMask;
} PIXELFORMATDESCRIPTOR;

static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "PIXELFORMATDESCRIPTOR layout");

// A window's device context and its pixel format. The layer offers one format
// per window: double-buffered RGBA with a depth buffer, which never needs a
// palette.
HDC GetDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);
int ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd);
BOOL SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR* ppfd);
int DescribePixelFormat(HDC hdc, int iPixelFormat, UINT nBytes, PIXELFORMATDESCRIPTOR* ppfd);

// GL contexts and presenting. SwapBuffers shows at most one frame per display
// refresh: vsync where granted, otherwise it sleeps out the refresh period.
HGLRC wglCreateContext(HDC hdc);
BOOL wglMakeCurrent(HDC hdc, HGLRC hglrc);
BOOL wglDeleteContext(HGLRC hglrc);
BOOL SwapBuffers(HDC hdc);

// Logical palettes. No format of the layer needs one; they are kept as
// records so that the viewer's palette path runs unchanged.
typedef struct tagPALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
} PALETTEENTRY;

typedef struct tagLOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[1];
} LOGPALETTE;

HPALETTE CreatePalette(const LOGPALETTE* plpal);
HPALETTE SelectPalette(HDC hdc, HPALETTE hPal, BOOL bForceBkgd);
UINT RealizePalette(HDC hdc);
BOOL UpdateColors(HDC hdc);

// The process heap, for the palette's temporary record.
#define HEAP_ZERO_MEMORY 0x00000008u
HANDLE GetProcessHeap(void);
LPVOID HeapAlloc(HANDLE hHeap, DWORD dwFlags, SIZE_T dwBytes);
BOOL HeapFree(HANDLE hHeap, DWORD dwFlags, LPVOID lpMem);

static_assert(sizeof(LOGPALETTE) == 8, "LOGPALETTE layout");

#endif
