// The viewer's entry and main loop.
#include "core/win_main.h"

#include "core/input_step.h"
#include "core/viewer_state.h"
#include "render/render.h"
#include "shell/viewer_wnd_proc.h"

static const DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
static const DWORD kWindowExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;

// Registers the class and creates the window at the initial client size;
// the window procedure builds the GL surface while the window is made.
static HWND CreateViewerWindow(int nCmdShow)
{
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ViewerWndProc;
    wc.hInstance = g_state.hInstance;
    wc.hIcon = LoadIconA(NULL, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(uintptr_t)(COLOR_WINDOW + 1);
    wc.lpszClassName = HM_VIEWER_TITLE;
    RegisterClassA(&wc);

    RECT outer = {0, 0, g_state.clientWidth, g_state.clientHeight};
    AdjustWindowRectEx(&outer, kWindowStyle, FALSE, kWindowExStyle);

    HWND hWnd = CreateWindowExA(kWindowExStyle, HM_VIEWER_TITLE, HM_VIEWER_TITLE, kWindowStyle, 0,
                                0, outer.right - outer.left, outer.bottom - outer.top, NULL, NULL,
                                g_state.hInstance, NULL);
    if (hWnd == NULL) {
        return NULL;
    }
    ShowWindow(hWnd, nCmdShow);
    SetForegroundWindow(hWnd);
    UpdateWindow(hWnd);
    return hWnd;
}

// One message per turn while there are any; a pass (input, then a frame)
// whenever the queue is empty. The quit message ends the loop at once.
static void RunMainLoop(void)
{
    MSG msg;
    while (g_state.running) {
        if (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                g_state.running = 0;
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            InputStep();
            RenderFrame();
        }
    }
}

// Releases the surface however the loop ended, also after the window is
// gone; the window itself goes with the process.
static void ReleaseSurface(void)
{
    wglMakeCurrent(NULL, NULL);
    if (g_state.hGLRC != NULL) {
        wglDeleteContext(g_state.hGLRC);
        g_state.hGLRC = NULL;
    }
    if (g_state.hDC != NULL) {
        ReleaseDC(g_state.hWnd, g_state.hDC);
        g_state.hDC = NULL;
    }
    if (g_state.palette != NULL) {
        DeleteObject(g_state.palette);
        g_state.palette = NULL;
    }
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    ResetViewerState();
    g_state.hInstance = hInstance;
    g_state.clientWidth = kInitialClientWidth;
    g_state.clientHeight = kInitialClientHeight;

    g_state.hWnd = CreateViewerWindow(nCmdShow);
    if (g_state.hWnd == NULL) {
        // Running without a window or GL would show nothing at all.
        MessageBoxA(NULL,
                    "The viewer could not open its window: this display offers no OpenGL 1.4 "
                    "(or newer) context with a double-buffered RGBA surface. The viewer will "
                    "close.",
                    HM_VIEWER_TITLE, MB_OK | MB_ICONERROR);
    } else {
        RunMainLoop();
    }
    ReleaseSurface();
    return 1;
}
