// Painting in the SDL2 layer: the whole client area is either valid or in
// need of a paint; GL draws all of it every time.
//
// Implements: BeginPaint, EndPaint, InvalidateRect.
// Does not implement: update regions smaller than the client area, erasing
// the background (GL covers every pixel).
#include <string.h>

#include "shell/platform/sdl/window_internal.h"

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint)
{
    if (!IsWindow(hWnd) || lpPaint == NULL) {
        return NULL;
    }
    memset(lpPaint, 0, sizeof(*lpPaint));
    hWnd->needsPaint = 0;
    lpPaint->hdc = GetDC(hWnd);
    GetClientRect(hWnd, &lpPaint->rcPaint);
    return lpPaint->hdc;
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint)
{
    if (lpPaint != NULL && lpPaint->hdc != NULL) {
        ReleaseDC(hWnd, lpPaint->hdc);
    }
    return TRUE;
}

BOOL InvalidateRect(HWND hWnd, const RECT*, BOOL)
{
    if (hWnd == NULL) {
        for (HWND w = FirstLiveWindow(); w != NULL; w = w->next) {
            w->needsPaint = 1;
        }
        return TRUE;
    }
    if (!IsWindow(hWnd)) {
        return FALSE;
    }
    hWnd->needsPaint = 1;
    return TRUE;
}
