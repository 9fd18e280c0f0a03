// Handle look-ups of the SDL2 layer's windows.
#include "shell/platform/sdl/window_internal.h"

SDL_Window* SdlWindowOf(HWND hWnd)
{
    return hWnd != NULL ? hWnd->sdlWindow : NULL;
}

HWND GetFocus(void)
{
    // Until windows are created by the layer, none can have the focus.
    return NULL;
}
