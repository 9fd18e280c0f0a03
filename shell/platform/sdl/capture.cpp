// Mouse capture: while a window holds it, the mouse's messages go to that
// window even when the cursor is outside it.
//
// Implements: SetCapture, ReleaseCapture for the layer's windows.
#include "shell/platform/sdl/window_internal.h"

static HWND g_capture;

HWND SetCapture(HWND hWnd)
{
    HWND previous = g_capture;
    if (IsWindow(hWnd)) {
        g_capture = hWnd;
        SDL_CaptureMouse(SDL_TRUE);
    }
    return previous;
}

BOOL ReleaseCapture(void)
{
    if (g_capture != NULL) {
        g_capture = NULL;
        SDL_CaptureMouse(SDL_FALSE);
    }
    return TRUE;
}
