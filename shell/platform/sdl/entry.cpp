// The process entry of the SDL2 layer: main calls the viewer's WinMain as
// Windows would, with the process's instance and the normal show command,
// and the process ends with its result.
//
// Implements: main.
// Does not implement: a command line (the viewer takes none).
//
// SDL is not shut down before the process ends: the window and contexts are
// released by then, and shutting SDL down would unload the GL driver with
// allocations of its own still open.
#include "core/win_main.h"

// The module instance of the process: only compared and passed on.
struct HINSTANCE__ {
    int unused;
};

static HINSTANCE__ g_processInstance;

int main(int, char**)
{
    char noCommandLine[] = "";
    return WinMain(&g_processInstance, NULL, noCommandLine, SW_SHOWNORMAL);
}
