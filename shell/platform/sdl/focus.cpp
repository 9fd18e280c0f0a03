// GetFocus of the desktop form of the dialog services: the viewer's window
// while SDL says it has the keyboard focus.
#include "shell/platform/sdl/window_internal.h"

HWND GetFocus(void)
{
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return NULL;
    }
    SDL_Window* focused = SDL_GetKeyboardFocus();
    return focused != NULL ? WindowFromSdlId(SDL_GetWindowID(focused)) : NULL;
}
