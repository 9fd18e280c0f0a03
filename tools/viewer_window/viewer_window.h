// The viewer's own window for tests that need its GL surface: made with
// ViewerWndProc as the viewer makes it, so the surface, the GL state and
// the pictures come with it.
#ifndef HM_TESTS_SUPPORT_VIEWER_WINDOW_H
#define HM_TESTS_SUPPORT_VIEWER_WINDOW_H

#include "shell/platform/win32.h"

// Makes the window with a client area of w x h at screen position (x, y)
// and stores it in g_state.hWnd. Returns it, or NULL.
HWND OpenViewerWindow(int x, int y, int w, int h);

// Releases the surface, destroys the window, drops its messages and puts
// g_state back to its start values.
void CloseViewerWindow(void);

#endif
