// The window's GL drawing surface: pixel format, palette, context and
// projection.
#ifndef HM_SHELL_GL_SURFACE_H
#define HM_SHELL_GL_SURFACE_H

#include "shell/platform/win32.h"

// Chooses, sets and reads back into g_state.pixelFormat the pixel format
// closest to the request there; makes the palette when the format needs one.
void SetupPixelFormat(HDC hDC);

// Entries of the palette a format needs: 2 to the power of its colour bits;
// 0 for formats of no or more than 8 colour bits.
int PaletteEntryCount(const PIXELFORMATDESCRIPTOR* pfd);

// Fills count entries with the colours the indices stand for in the format.
void ComputePaletteEntries(const PIXELFORMATDESCRIPTOR* pfd, PALETTEENTRY* entries, int count);

// Builds the whole surface on window creation. FALSE when no GL context
// could be made current; what was made is released again.
BOOL CreateGlSurface(HWND hWnd);

// Viewport and perspective for a client area of w x h pixels.
void ResizeGlSurface(int w, int h);

#endif
