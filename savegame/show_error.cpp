#include "savegame/load_savegame.h"

#include "core/viewer_state.h"
#include "shell/platform/win32.h"

void ShowError(const char* message, const char* kind)
{
    // The reader's texts are short and fixed, so "%s : %s" always fits; the
    // precisions keep that true for any caller.
    char text[256];
    wsprintfA(text, "%.120s : %.120s", kind, message);
    MessageBoxA(g_state.hWnd, text, "3D View", MB_OK);
}
