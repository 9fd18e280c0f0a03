// The registry of the SDL2 layer's live windows, handle look-ups, keyboard
// and the start of SDL's video subsystem.
//
// Implements: IsWindow, the look-ups from handles to SDL windows
// and back.
// Does not implement: window enumeration beyond what the queue needs.
#include "shell/platform/sdl/window_internal.h"

static HWND g_liveWindows;

BOOL StartSdlVideo(void)
{
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        return TRUE;
    }
    // As under Win32: the mouse is not captured while a button is held, and
    // closing the last window is a message to the viewer, not a quit event.
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return FALSE;
    }
    // Key messages only; no text input or input-method windows.
    SDL_StopTextInput();
    // The GL library stays loaded for the life of the process. SDL would
    // unload it with the last GL window, dropping the driver in the middle of
    // its own allocations; where no GL exists, windows are made without it.
    SDL_GL_LoadLibrary(NULL);
    return TRUE;
}

void AddLiveWindow(HWND hWnd)
{
    hWnd->next = g_liveWindows;
    g_liveWindows = hWnd;
}

void RemoveLiveWindow(HWND hWnd)
{
    for (HWND* link = &g_liveWindows; *link != NULL; link = &(*link)->next) {
        if (*link == hWnd) {
            *link = hWnd->next;
            return;
        }
    }
}

BOOL IsWindow(HWND hWnd)
{
    for (HWND w = g_liveWindows; w != NULL; w = w->next) {
        if (w == hWnd) {
            return TRUE;
        }
    }
    return FALSE;
}

HWND FirstLiveWindow(void)
{
    return g_liveWindows;
}

HWND WindowFromSdlId(Uint32 sdlId)
{
    for (HWND w = g_liveWindows; w != NULL; w = w->next) {
        if (w->sdlId == sdlId) {
            return w;
        }
    }
    return NULL;
}

SDL_Window* SdlWindowOf(HWND hWnd)
{
    return IsWindow(hWnd) ? hWnd->sdlWindow : NULL;
}
