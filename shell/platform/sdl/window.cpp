// Window classes and windows of the SDL2 layer.
//
// Implements: RegisterClassA, AdjustWindowRectEx, CreateWindowExA (the
// creation and first size messages are sent before it returns),
// DestroyWindow, ShowWindow, SetForegroundWindow, UpdateWindow,
// GetClientRect, and the minimum size that WM_SIZING enforces.
// Does not implement: child windows, menus, extra class or window bytes,
// moving windows after creation.
//
// SDL knows only the client area; the frame belongs to the desktop's window
// manager. Outer rectangles are therefore measured with a notional frame of
// fixed size (GetFrameMargins), the same in AdjustWindowRectEx, in
// CreateWindowExA and in WM_SIZING, so a client size asked for is the client
// size granted.
#include <stdlib.h>
#include <string.h>

#include "shell/platform/sdl/window_internal.h"

namespace {

// Sizing border (with its padding) and caption height of the notional frame.
const int kFrameBorder = 8;
const int kCaptionHeight = 23;
const int kMenuHeight = 19;

const int kMaxClasses = 8;
const int kClassNameLength = 128;

struct WindowClass {
    char name[kClassNameLength];
    WNDCLASSA wc;
};

WindowClass g_classes[kMaxClasses];
int g_classCount;

const WindowClass* FindClass(LPCSTR name)
{
    for (int i = 0; i < g_classCount; i++) {
        if (strcmp(g_classes[i].name, name) == 0) {
            return &g_classes[i];
        }
    }
    return NULL;
}

// The GL surface is fixed when an X11 window is made, so the window is made
// GL-ready from the start: double-buffered RGBA, the deepest depth buffer
// the display offers, a compatibility context.
SDL_Window* CreateGlReadyWindow(LPCSTR title, int x, int y, int w, int h, Uint32 flags)
{
    static const int kDepthSizes[] = {24, 16};
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    for (int depth : kDepthSizes) {
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depth);
        SDL_Window* window = SDL_CreateWindow(title, x, y, w, h, flags | SDL_WINDOW_OPENGL);
        if (window != NULL) {
            return window;
        }
    }
    // No GL visual: the window still exists, and choosing a pixel format on
    // it fails, which the viewer reports.
    return SDL_CreateWindow(title, x, y, w, h, flags);
}

}  // namespace

void GetFrameMargins(DWORD style, RECT* margins)
{
    int border = 0;
    if ((style & WS_THICKFRAME) != 0) {
        border = kFrameBorder;
    } else if ((style & WS_BORDER) != 0) {
        border = 1;
    }
    margins->left = border;
    margins->right = border;
    margins->bottom = border;
    margins->top = border + ((style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0);
}

ATOM RegisterClassA(const WNDCLASSA* lpWndClass)
{
    if (lpWndClass == NULL || lpWndClass->lpszClassName == NULL ||
        lpWndClass->lpfnWndProc == NULL || g_classCount == kMaxClasses ||
        strlen(lpWndClass->lpszClassName) >= (size_t)kClassNameLength ||
        FindClass(lpWndClass->lpszClassName) != NULL) {
        return 0;
    }
    WindowClass* cls = &g_classes[g_classCount++];
    strcpy(cls->name, lpWndClass->lpszClassName);
    cls->wc = *lpWndClass;
    cls->wc.lpszClassName = cls->name;
    cls->wc.lpszMenuName = NULL;
    return (ATOM)(0xC000 + g_classCount);
}

BOOL AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD)
{
    if (lpRect == NULL) {
        return FALSE;
    }
    RECT margins;
    GetFrameMargins(dwStyle, &margins);
    lpRect->left -= margins.left;
    lpRect->top -= margins.top + (bMenu ? kMenuHeight : 0);
    lpRect->right += margins.right;
    lpRect->bottom += margins.bottom;
    return TRUE;
}

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                     int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID lpParam)
{
    const WindowClass* cls = lpClassName != NULL ? FindClass(lpClassName) : NULL;
    if (cls == NULL || hWndParent != NULL || !StartSdlVideo()) {
        return NULL;
    }
    RECT margins;
    GetFrameMargins(dwStyle, &margins);
    int clientWidth = nWidth - margins.left - margins.right;
    int clientHeight = nHeight - margins.top - margins.bottom;
    if (clientWidth < 1) clientWidth = 1;
    if (clientHeight < 1) clientHeight = 1;
    int sdlX = x == CW_USEDEFAULT ? (int)SDL_WINDOWPOS_UNDEFINED : x;
    int sdlY = y == CW_USEDEFAULT ? (int)SDL_WINDOWPOS_UNDEFINED : y;

    Uint32 flags = SDL_WINDOW_HIDDEN;
    if ((dwStyle & WS_THICKFRAME) != 0) {
        flags |= SDL_WINDOW_RESIZABLE;
    }
    SDL_Window* sdlWindow = CreateGlReadyWindow(lpWindowName != NULL ? lpWindowName : "",
                                                sdlX, sdlY, clientWidth, clientHeight, flags);
    if (sdlWindow == NULL) {
        return NULL;
    }

    HWND hWnd = (HWND)calloc(1, sizeof(HWND__));
    if (hWnd == NULL) {
        SDL_DestroyWindow(sdlWindow);
        return NULL;
    }
    hWnd->sdlWindow = sdlWindow;
    hWnd->sdlId = SDL_GetWindowID(sdlWindow);
    hWnd->proc = cls->wc.lpfnWndProc;
    hWnd->style = dwStyle;
    hWnd->cursor = cls->wc.hCursor;
    hWnd->needsPaint = 1;
    AddLiveWindow(hWnd);

    CREATESTRUCTA create = {};
    create.lpCreateParams = lpParam;
    create.hInstance = hInstance;
    create.hMenu = hMenu;
    create.hwndParent = hWndParent;
    create.cx = nWidth;
    create.cy = nHeight;
    create.x = x;
    create.y = y;
    create.style = (LONG)dwStyle;
    create.lpszName = lpWindowName;
    create.lpszClass = lpClassName;
    create.dwExStyle = dwExStyle;
    if (SendMessageA(hWnd, WM_CREATE, 0, (LPARAM)&create) == -1) {
        DestroyWindow(hWnd);
        return NULL;
    }
    if (!IsWindow(hWnd)) {
        return NULL;  // the procedure destroyed its own window
    }
    ApplyMinimumSize(hWnd);
    SendMessageA(hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(clientWidth, clientHeight));
    if ((dwStyle & WS_VISIBLE) != 0) {
        ShowWindow(hWnd, SW_SHOW);
    }
    return hWnd;
}

BOOL DestroyWindow(HWND hWnd)
{
    if (!IsWindow(hWnd)) {
        return FALSE;
    }
    SendMessageA(hWnd, WM_DESTROY, 0, 0);
    if (!IsWindow(hWnd)) {
        return TRUE;  // destroyed again from inside WM_DESTROY
    }
    RemoveLiveWindow(hWnd);
    DropMessagesFor(hWnd);
    // A context may outlive its window, but must not stay current on it.
    if (SDL_GL_GetCurrentWindow() == hWnd->sdlWindow) {
        SDL_GL_MakeCurrent(hWnd->sdlWindow, NULL);
    }
    if (hWnd->spareContext != NULL) {
        SDL_GL_DeleteContext(hWnd->spareContext);
    }
    SDL_DestroyWindow(hWnd->sdlWindow);
    free(hWnd);
    return TRUE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    SDL_Window* window = SdlWindowOf(hWnd);
    if (window == NULL) {
        return FALSE;
    }
    BOOL wasShown = hWnd->shown;
    switch (nCmdShow) {
    case SW_HIDE:
        SDL_HideWindow(window);
        hWnd->shown = 0;
        return wasShown;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        SDL_ShowWindow(window);
        SDL_MinimizeWindow(window);
        break;
    case SW_SHOWMAXIMIZED:
        SDL_ShowWindow(window);
        SDL_MaximizeWindow(window);
        break;
    case SW_RESTORE:
        SDL_ShowWindow(window);
        SDL_RestoreWindow(window);
        break;
    default:
        SDL_ShowWindow(window);
        break;
    }
    hWnd->shown = 1;
    hWnd->needsPaint = 1;
    ShowClassCursor(hWnd->cursor);
    return wasShown;
}

BOOL SetForegroundWindow(HWND hWnd)
{
    SDL_Window* window = SdlWindowOf(hWnd);
    if (window == NULL) {
        return FALSE;
    }
    SDL_RaiseWindow(window);
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd)
{
    if (!IsWindow(hWnd)) {
        return FALSE;
    }
    if (hWnd->shown && hWnd->needsPaint) {
        SendMessageA(hWnd, WM_PAINT, 0, 0);
    }
    return TRUE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect)
{
    SDL_Window* window = SdlWindowOf(hWnd);
    if (window == NULL || lpRect == NULL) {
        return FALSE;
    }
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window, &w, &h);
    lpRect->left = 0;
    lpRect->top = 0;
    lpRect->right = w;
    lpRect->bottom = h;
    return TRUE;
}

// Asks the procedure what it makes of the smallest possible outer rectangle;
// what it grows that rectangle to is the window's minimum size.
void ApplyMinimumSize(HWND hWnd)
{
    if ((hWnd->style & WS_THICKFRAME) == 0) {
        return;
    }
    RECT margins;
    GetFrameMargins(hWnd->style, &margins);
    RECT rect = {0, 0, margins.left + margins.right + 1, margins.top + margins.bottom + 1};
    SendMessageA(hWnd, WM_SIZING, WMSZ_BOTTOMRIGHT, (LPARAM)&rect);
    if (!IsWindow(hWnd)) {
        return;
    }
    int minWidth = (rect.right - rect.left) - margins.left - margins.right;
    int minHeight = (rect.bottom - rect.top) - margins.top - margins.bottom;
    SDL_SetWindowMinimumSize(hWnd->sdlWindow, minWidth > 1 ? minWidth : 1,
                             minHeight > 1 ? minHeight : 1);
}

// A resize the user made is offered as WM_SIZING on the outer rectangle, as
// a drag of the lower-right corner (SDL does not tell the edge); a changed
// rectangle is applied.
void OfferUserResize(HWND hWnd)
{
    SDL_Window* window = SdlWindowOf(hWnd);
    if (window == NULL || (hWnd->style & WS_THICKFRAME) == 0) {
        return;
    }
    RECT margins;
    GetFrameMargins(hWnd->style, &margins);
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &w, &h);
    RECT rect = {x - margins.left, y - margins.top, x + w + margins.right, y + h + margins.bottom};
    RECT offered = rect;
    SendMessageA(hWnd, WM_SIZING, WMSZ_BOTTOMRIGHT, (LPARAM)&rect);
    if (!IsWindow(hWnd)) {
        return;
    }
    if (memcmp(&rect, &offered, sizeof(RECT)) != 0) {
        SDL_SetWindowSize(window, (rect.right - rect.left) - margins.left - margins.right,
                          (rect.bottom - rect.top) - margins.top - margins.bottom);
    }
}
