// The SDL2 layer's private record of a window, behind the HWND handle, and
// the layer-internal services the window, queue and surface files share.
#ifndef HM_SHELL_PLATFORM_SDL_WINDOW_INTERNAL_H
#define HM_SHELL_PLATFORM_SDL_WINDOW_INTERNAL_H

#include <SDL.h>

#include "shell/platform/win32.h"

struct HWND__ {
    SDL_Window* sdlWindow;
    Uint32 sdlId;
    WNDPROC proc;
    DWORD style;
    HCURSOR cursor;
    int needsPaint;  // the whole client area is invalid; WM_PAINT is due
    int shown;

    // The GL surface: the format set on the window, what was granted, and
    // the context SetPixelFormat made to learn it, kept for wglCreateContext.
    int pixelFormat;
    PIXELFORMATDESCRIPTOR granted;
    SDL_GLContext spareContext;

    HWND__* next;  // the registry's list of live windows
};

// The SDL window behind a handle, or NULL for no window or a destroyed one.
SDL_Window* SdlWindowOf(HWND hWnd);

// The registry of live windows: a handle of a destroyed window is never used.
void AddLiveWindow(HWND hWnd);
void RemoveLiveWindow(HWND hWnd);
HWND WindowFromSdlId(Uint32 sdlId);
HWND FirstLiveWindow(void);

// Starts SDL's video subsystem once; FALSE when there is no display.
BOOL StartSdlVideo(void);

// The notional frame the layer adds around a client area for a style:
// how far the outer rectangle reaches beyond the client on each side.
void GetFrameMargins(DWORD style, RECT* margins);

// Drops the queued messages of a window that is being destroyed.
void DropMessagesFor(HWND hWnd);

// Puts the class cursor on a window (NULL: SDL's default arrow).
void ShowClassCursor(HCURSOR cursor);

// The virtual-key code of an SDL scancode; 0 for keys the table lacks.
BYTE VirtualKeyFromScancode(SDL_Scancode scancode);

// Turns one SDL event into the window message it stands for. Returns FALSE
// for events that make no message (other windows, unknown keys, ...).
BOOL PackSdlEvent(const SDL_Event* event, MSG* msg);

// Offers a user resize to the window procedure as WM_SIZING and applies the
// rectangle it returns; then keeps SDL's minimum size in line with it.
void OfferUserResize(HWND hWnd);
void ApplyMinimumSize(HWND hWnd);

#endif
