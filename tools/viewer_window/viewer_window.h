// The viewer's own window for the tests, the benchmarks and the screenshot
// tool: made with ViewerWndProc as the viewer makes it, so the surface, the
// GL state and the pictures (read from the working directory) come with it.
#ifndef HM_TOOLS_VIEWER_WINDOW_H
#define HM_TOOLS_VIEWER_WINDOW_H

#include "shell/platform/win32.h"

// Makes the window with a client area of w x h at screen position (x, y)
// and stores it in g_state.hWnd. Returns it, or NULL.
HWND OpenViewerWindow(int x, int y, int w, int h);

// Releases the surface, destroys the window, drops its messages and puts
// g_state back to its start values.
void CloseViewerWindow(void);

// Draws a frame as RenderFrame does but leaves it in the back buffer: the
// swap is held back, so glReadPixels reads the frame exactly.
void DrawFrameWithoutSwap(void);

#endif
