// The window procedure: the drawing surface's messages here, the keyboard
// and mouse messages in input_events.cpp.
#include "shell/viewer_wnd_proc.h"

#include "core/viewer_state.h"
#include "render/render.h"
#include "shell/gl_surface.h"
#include "shell/input_events.h"

// The viewer's window became active: bring its palette into the system's.
static LRESULT OnQueryNewPalette(HWND hWnd)
{
    UINT mapped = RealizePalette(g_state.hDC);
    if (mapped > 0) {
        InvalidateRect(hWnd, NULL, FALSE);
    }
    return (LRESULT)mapped;
}

// Another window changed the system palette: map ours again.
static void OnPaletteChanged(void)
{
    if (RealizePalette(g_state.hDC) > 0) {
        UpdateColors(g_state.hDC);
    }
}

LRESULT CALLBACK ViewerWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return CreateGlSurface(hWnd) ? 0 : -1;
    case WM_SIZE:
        ResizeGlSurface(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        RenderFrame();
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_QUERYNEWPALETTE:
        if (g_state.palette != NULL) {
            return OnQueryNewPalette(hWnd);
        }
        break;
    case WM_PALETTECHANGED:
        if (g_state.palette != NULL && (HWND)wParam != hWnd) {
            OnPaletteChanged();
            return 0;
        }
        break;
    default: {
        LRESULT result;
        if (HandleInputMessage(hWnd, message, wParam, lParam, &result)) {
            return result;
        }
        break;
    }
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}
