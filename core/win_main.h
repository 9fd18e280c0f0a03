// The viewer's entry: window creation, the main loop and the teardown.
#ifndef HM_CORE_WIN_MAIN_H
#define HM_CORE_WIN_MAIN_H

#include "shell/platform/win32.h"

// The window's title, which is also its class name.
#define HM_VIEWER_TITLE "Hollowmarrane  Package Viewer v" HM_VERSION

// Creates the window, runs the main loop until ESC or the window's close,
// releases the GL surface and returns 1, the process's exit status.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR cmdLine, int nCmdShow);

#endif
