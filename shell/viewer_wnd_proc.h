// The window procedure of the viewer's one window.
#ifndef HM_SHELL_VIEWER_WND_PROC_H
#define HM_SHELL_VIEWER_WND_PROC_H

#include "shell/platform/win32.h"

LRESULT CALLBACK ViewerWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

#endif
