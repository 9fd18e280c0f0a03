// Device contexts, pixel formats and GL contexts of the SDL2 layer.
//
// Implements: GetDC, ReleaseDC, ChoosePixelFormat, SetPixelFormat,
// DescribePixelFormat, wglCreateContext, wglMakeCurrent, wglDeleteContext.
// Does not implement: more than one format per window (the window is made
// GL-ready with the one format the layer offers: double-buffered RGBA with a
// depth buffer), formats for bitmaps or printers, sharing lists between
// contexts.
//
// What a format grants is only known once a context exists on the window,
// so SetPixelFormat makes the window's first context, reads the format back
// from it, and keeps it for the first wglCreateContext.
#include <GL/gl.h>
#include <stdio.h>
#include <stdlib.h>

#include "shell/platform/sdl/gdi_object.h"
#include "shell/platform/sdl/window_internal.h"

// The viewer's GL needs: the 1.1 command set and, from 1.4, GL_SRC_COLOR as
// a source blend factor.
static const int kMinGlMajor = 1;
static const int kMinGlMinor = 4;

struct HGLRC__ {
    SDL_GLContext context;
};

HDC GetDC(HWND hWnd)
{
    if (!IsWindow(hWnd)) {
        return NULL;
    }
    HDC hdc = (HDC)calloc(1, sizeof(HDC__));
    if (hdc != NULL) {
        hdc->window = hWnd;
        hdc->pixelFormat = hWnd->pixelFormat;
    }
    return hdc;
}

int ReleaseDC(HWND hWnd, HDC hDC)
{
    // The window may be gone already; its handle is only compared.
    if (hDC == NULL || hDC->window == NULL || hDC->window != hWnd) {
        return 0;
    }
    free(hDC);
    return 1;
}

int ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd)
{
    if (hdc == NULL || ppfd == NULL || SdlWindowOf(hdc->window) == NULL) {
        return 0;
    }
    const DWORD needed = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if (ppfd->iPixelType != PFD_TYPE_RGBA || (ppfd->dwFlags & needed) != needed) {
        return 0;
    }
    if ((SDL_GetWindowFlags(hdc->window->sdlWindow) & SDL_WINDOW_OPENGL) == 0) {
        return 0;  // the display offered no GL visual for the window
    }
    return 1;
}

static BOOL GlVersionAtLeast(int major, int minor)
{
    const char* version = (const char*)glGetString(GL_VERSION);
    int haveMajor = 0;
    int haveMinor = 0;
    if (version == NULL || sscanf(version, "%d.%d", &haveMajor, &haveMinor) != 2) {
        return FALSE;
    }
    return haveMajor > major || (haveMajor == major && haveMinor >= minor);
}

static BYTE GlAttribute(SDL_GLattr attribute)
{
    int value = 0;
    SDL_GL_GetAttribute(attribute, &value);
    return (BYTE)(value > 0 ? value : 0);
}

// Reads the format of the current context into a descriptor.
static void DescribeCurrentFormat(PIXELFORMATDESCRIPTOR* pfd)
{
    *pfd = PIXELFORMATDESCRIPTOR{};
    pfd->nSize = sizeof(PIXELFORMATDESCRIPTOR);
    pfd->nVersion = 1;
    pfd->dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if (GlAttribute(SDL_GL_DOUBLEBUFFER) != 0) {
        pfd->dwFlags |= PFD_DOUBLEBUFFER;
    }
    pfd->iPixelType = PFD_TYPE_RGBA;
    pfd->cRedBits = GlAttribute(SDL_GL_RED_SIZE);
    pfd->cGreenBits = GlAttribute(SDL_GL_GREEN_SIZE);
    pfd->cBlueBits = GlAttribute(SDL_GL_BLUE_SIZE);
    pfd->cAlphaBits = GlAttribute(SDL_GL_ALPHA_SIZE);
    // Channels packed as in a 32-bit BGRA pixel: blue lowest, alpha highest.
    pfd->cBlueShift = 0;
    pfd->cGreenShift = pfd->cBlueBits;
    pfd->cRedShift = (BYTE)(pfd->cBlueBits + pfd->cGreenBits);
    pfd->cAlphaShift = (BYTE)(pfd->cRedShift + pfd->cRedBits);
    pfd->cColorBits = (BYTE)(pfd->cRedBits + pfd->cGreenBits + pfd->cBlueBits);
    pfd->cDepthBits = GlAttribute(SDL_GL_DEPTH_SIZE);
    pfd->cStencilBits = GlAttribute(SDL_GL_STENCIL_SIZE);
    pfd->cAccumRedBits = GlAttribute(SDL_GL_ACCUM_RED_SIZE);
    pfd->cAccumGreenBits = GlAttribute(SDL_GL_ACCUM_GREEN_SIZE);
    pfd->cAccumBlueBits = GlAttribute(SDL_GL_ACCUM_BLUE_SIZE);
    pfd->cAccumAlphaBits = GlAttribute(SDL_GL_ACCUM_ALPHA_SIZE);
    pfd->cAccumBits = (BYTE)(pfd->cAccumRedBits + pfd->cAccumGreenBits + pfd->cAccumBlueBits +
                             pfd->cAccumAlphaBits);
    pfd->iLayerType = PFD_MAIN_PLANE;
}

// Makes a context on the window, checks it is new enough, and leaves the
// previously current context current again. NULL when none can be made.
static SDL_GLContext MakeContext(HWND hWnd, PIXELFORMATDESCRIPTOR* granted)
{
    SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
    SDL_GLContext previous = SDL_GL_GetCurrentContext();
    SDL_GLContext context = SDL_GL_CreateContext(hWnd->sdlWindow);
    if (context != NULL && !GlVersionAtLeast(kMinGlMajor, kMinGlMinor)) {
        SDL_GL_DeleteContext(context);
        context = NULL;
    }
    if (context != NULL) {
        // Vsync where the driver grants it; SwapBuffers paces itself anyway.
        SDL_GL_SetSwapInterval(1);
        if (granted != NULL) {
            DescribeCurrentFormat(granted);
        }
    }
    SDL_GL_MakeCurrent(previousWindow, previous);
    return context;
}

BOOL SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR*)
{
    if (hdc == NULL || SdlWindowOf(hdc->window) == NULL || format != 1) {
        return FALSE;
    }
    HWND hWnd = hdc->window;
    if (hWnd->pixelFormat != 0) {
        hdc->pixelFormat = hWnd->pixelFormat;
        return hWnd->pixelFormat == format;  // a window's format is set once
    }
    if ((SDL_GetWindowFlags(hWnd->sdlWindow) & SDL_WINDOW_OPENGL) == 0) {
        return FALSE;
    }
    hWnd->spareContext = MakeContext(hWnd, &hWnd->granted);
    if (hWnd->spareContext == NULL) {
        return FALSE;
    }
    hWnd->pixelFormat = format;
    hdc->pixelFormat = format;
    return TRUE;
}

int DescribePixelFormat(HDC hdc, int iPixelFormat, UINT nBytes, PIXELFORMATDESCRIPTOR* ppfd)
{
    if (hdc == NULL || SdlWindowOf(hdc->window) == NULL) {
        return 0;
    }
    HWND hWnd = hdc->window;
    if (ppfd != NULL) {
        // Only the format set on the window is known in full.
        if (iPixelFormat != 1 || hWnd->pixelFormat != 1 || nBytes < sizeof(PIXELFORMATDESCRIPTOR)) {
            return 0;
        }
        *ppfd = hWnd->granted;
    }
    return 1;  // the number of formats the window offers
}

HGLRC wglCreateContext(HDC hdc)
{
    if (hdc == NULL || SdlWindowOf(hdc->window) == NULL || hdc->window->pixelFormat == 0) {
        return NULL;
    }
    HWND hWnd = hdc->window;
    HGLRC hglrc = (HGLRC)calloc(1, sizeof(HGLRC__));
    if (hglrc == NULL) {
        return NULL;
    }
    if (hWnd->spareContext != NULL) {
        hglrc->context = hWnd->spareContext;
        hWnd->spareContext = NULL;
    } else {
        hglrc->context = MakeContext(hWnd, NULL);
    }
    if (hglrc->context == NULL) {
        free(hglrc);
        return NULL;
    }
    return hglrc;
}

BOOL wglMakeCurrent(HDC hdc, HGLRC hglrc)
{
    if (hglrc == NULL) {
        if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
            SDL_GL_MakeCurrent(SDL_GL_GetCurrentWindow(), NULL);
        }
        return TRUE;
    }
    SDL_Window* window = hdc != NULL ? SdlWindowOf(hdc->window) : NULL;
    if (window == NULL) {
        return FALSE;
    }
    return SDL_GL_MakeCurrent(window, hglrc->context) == 0;
}

BOOL wglDeleteContext(HGLRC hglrc)
{
    if (hglrc == NULL) {
        return FALSE;
    }
    if (SDL_GL_GetCurrentContext() == hglrc->context) {
        SDL_GL_MakeCurrent(SDL_GL_GetCurrentWindow(), NULL);
    }
    SDL_GL_DeleteContext(hglrc->context);
    free(hglrc);
    return TRUE;
}
