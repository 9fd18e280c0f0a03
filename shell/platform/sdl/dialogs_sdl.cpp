// Desktop form of the message box: a real modal box through SDL2, owned by
// the given window. SDL can show it without a video subsystem, so it also
// works before the window exists.
#include <SDL.h>
#include <stdio.h>

#include "shell/platform/sdl/window_internal.h"
#include "shell/platform/win32.h"

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT)
{
    SDL_MessageBoxButtonData ok = {};
    ok.flags = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    ok.buttonid = IDOK;
    ok.text = "OK";

    SDL_MessageBoxData box = {};
    box.flags = 0;
    box.window = SdlWindowOf(hWnd);
    box.title = lpCaption ? lpCaption : "Error";
    box.message = lpText ? lpText : "";
    box.numbuttons = 1;
    box.buttons = &ok;

    int pressed = IDOK;
    if (SDL_ShowMessageBox(&box, &pressed) != 0) {
        // No display to show it on: the text must still reach the user.
        fprintf(stderr, "%s: %s\n", box.title, box.message);
    }
    // The box is modal: keys and clicks aimed at the viewer's window while
    // it was up are dropped, as for a disabled owner window. Focus and
    // paint events stay.
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_KEYDOWN, SDL_MOUSEWHEEL);
    }
    return IDOK;
}
