#include "tools/viewer_window/viewer_window.h"

#include "core/viewer_state.h"
#include "render/render.h"
#include "shell/viewer_wnd_proc.h"

static const DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
static const char kClass[] = "viewer test window";

HWND OpenViewerWindow(int x, int y, int w, int h)
{
    static int registered;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ViewerWndProc;
        wc.lpszClassName = kClass;
        registered = RegisterClassA(&wc) != 0;
    }
    ResetViewerState();
    g_state.clientWidth = w;
    g_state.clientHeight = h;
    RECT outer = {0, 0, w, h};
    AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    g_state.hWnd = CreateWindowExA(0, kClass, kClass, kStyle, x, y, outer.right - outer.left,
                                   outer.bottom - outer.top, NULL, NULL, NULL, NULL);
    return g_state.hWnd;
}

void CloseViewerWindow(void)
{
    if (g_state.hWnd != NULL) {
        wglMakeCurrent(NULL, NULL);
        wglDeleteContext(g_state.hGLRC);
        ReleaseDC(g_state.hWnd, g_state.hDC);
        DestroyWindow(g_state.hWnd);
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        }
    }
    ResetViewerState();
}

void DrawFrameWithoutSwap(void)
{
    HDC dc = g_state.hDC;
    g_state.hDC = NULL;  // SwapBuffers of no context does nothing
    RenderFrame();
    g_state.hDC = dc;
}
