// Win32 dialog services of the SDL2 layer: message boxes, focus and the
// bounded string formatter of the viewer's reports.
//
// Two forms exist, chosen at link time: the desktop form (dialogs_sdl.cpp)
// shows real modal boxes; the console form (dialogs_console.cpp) writes
// "CAPTION: TEXT" to standard error and returns at once, for the command-line
// tool and the unit tests.
#ifndef HM_SHELL_PLATFORM_SDL_WIN32_DIALOGS_H
#define HM_SHELL_PLATFORM_SDL_WIN32_DIALOGS_H

#include "shell/platform/sdl/win32_base.h"

#define MB_OK 0x00000000u
#define MB_ICONERROR 0x00000010u
#define IDOK 1

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
HWND GetFocus(void);

// Like Win32's wsprintfA: at most 1024 characters, terminator included, are
// written; %s, %c, %d, %i, %u, %x, %X with flags, width and precision.
// Returns the number of characters stored, without the terminator.
int wsprintfA(LPSTR buffer, LPCSTR format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

#endif
