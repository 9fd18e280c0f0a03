// The SDL2 layer's private record of a window, behind the HWND handle.
#ifndef HM_SHELL_PLATFORM_SDL_WINDOW_INTERNAL_H
#define HM_SHELL_PLATFORM_SDL_WINDOW_INTERNAL_H

#include <SDL.h>

#include "shell/platform/win32.h"

struct HWND__ {
    SDL_Window* sdlWindow;
};

// The SDL window behind a handle, or NULL for no window.
SDL_Window* SdlWindowOf(HWND hWnd);

#endif
