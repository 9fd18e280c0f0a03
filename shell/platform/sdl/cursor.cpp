// Icons and cursors of the SDL2 layer.
//
// Implements: LoadIconA and LoadCursorA for the system's standard
// application icon and arrow cursor, SetCursorPos.
// Does not implement: icons and cursors from resources, other system
// cursors, showing and hiding the cursor.
#include "shell/platform/sdl/window_internal.h"

// A system icon or cursor; the arrow is made on first use.
struct HICON__ {
    int isCursor;
    SDL_Cursor* sdlCursor;
};

static HICON__ g_applicationIcon = {0, NULL};
static HICON__ g_arrowCursor = {1, NULL};

HICON LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName)
{
    if (hInstance == NULL && lpIconName == IDI_APPLICATION) {
        return &g_applicationIcon;
    }
    return NULL;
}

HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName)
{
    if (hInstance == NULL && lpCursorName == IDC_ARROW) {
        return &g_arrowCursor;
    }
    return NULL;
}

void ShowClassCursor(HCURSOR cursor)
{
    if (cursor != &g_arrowCursor) {
        return;  // no cursor of the class: SDL's own stays
    }
    if (g_arrowCursor.sdlCursor == NULL) {
        g_arrowCursor.sdlCursor = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    }
    if (g_arrowCursor.sdlCursor != NULL) {
        SDL_SetCursor(g_arrowCursor.sdlCursor);
    }
}

BOOL SetCursorPos(int X, int Y)
{
    if (!StartSdlVideo()) {
        return FALSE;
    }
    return SDL_WarpMouseGlobal(X, Y) == 0;
}
