// The window's GL drawing surface: pixel format and palette, context, and
// the projection that follows the client size.
#include "shell/gl_surface.h"

#include "core/viewer_state.h"
#include "render/render.h"

static const WORD kPaletteVersion = 0x300;
static const int kMaxPaletteBits = 8;

int PaletteEntryCount(const PIXELFORMATDESCRIPTOR* pfd)
{
    // A palette's entry count is a 16-bit field; palette formats have at
    // most 8 colour bits.
    if (pfd->cColorBits == 0 || pfd->cColorBits > kMaxPaletteBits) {
        return 0;
    }
    return 1 << pfd->cColorBits;
}

// The 8-bit intensity of one channel of a palette index.
static BYTE ChannelValue(int index, BYTE bits, BYTE shift)
{
    BYTE mask = (BYTE)((1 << bits) - 1);
    if (mask == 0) {
        return 0;  // a channel of no bits has no intensity to spread
    }
    return (BYTE)(((index >> shift) & mask) * 255 / mask);
}

void ComputePaletteEntries(const PIXELFORMATDESCRIPTOR* pfd, PALETTEENTRY* entries, int count)
{
    for (int i = 0; i < count; i++) {
        entries[i].peRed = ChannelValue(i, pfd->cRedBits, pfd->cRedShift);
        entries[i].peGreen = ChannelValue(i, pfd->cGreenBits, pfd->cGreenShift);
        entries[i].peBlue = ChannelValue(i, pfd->cBlueBits, pfd->cBlueShift);
        entries[i].peFlags = 0;
    }
}

// The palette for a format that needs one, made in a temporary record on
// the process heap. NULL when it cannot be made.
static HPALETTE CreateFormatPalette(const PIXELFORMATDESCRIPTOR* pfd)
{
    int count = PaletteEntryCount(pfd);
    if (count == 0) {
        return NULL;
    }
    HANDLE heap = GetProcessHeap();
    LOGPALETTE* record =
        (LOGPALETTE*)HeapAlloc(heap, 0, sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    if (record == NULL) {
        return NULL;
    }
    record->palVersion = kPaletteVersion;
    record->palNumEntries = (WORD)count;
    ComputePaletteEntries(pfd, record->palPalEntry, count);
    HPALETTE palette = CreatePalette(record);
    HeapFree(heap, 0, record);
    return palette;
}

void SetupPixelFormat(HDC hDC)
{
    int format = ChoosePixelFormat(hDC, &g_state.pixelFormat);
    SetPixelFormat(hDC, format, &g_state.pixelFormat);
    DescribePixelFormat(hDC, format, sizeof(PIXELFORMATDESCRIPTOR), &g_state.pixelFormat);

    if ((g_state.pixelFormat.dwFlags & PFD_NEED_PALETTE) == 0) {
        return;
    }
    g_state.palette = CreateFormatPalette(&g_state.pixelFormat);
    if (g_state.palette != NULL) {
        SelectPalette(hDC, g_state.palette, FALSE);
        RealizePalette(hDC);
    }
}

BOOL CreateGlSurface(HWND hWnd)
{
    g_state.hDC = GetDC(hWnd);
    SetupPixelFormat(g_state.hDC);
    g_state.hGLRC = wglCreateContext(g_state.hDC);
    if (g_state.hGLRC == NULL || !wglMakeCurrent(g_state.hDC, g_state.hGLRC)) {
        // Without a context every frame would draw nothing; undo and fail.
        if (g_state.hGLRC != NULL) {
            wglDeleteContext(g_state.hGLRC);
            g_state.hGLRC = NULL;
        }
        ReleaseDC(hWnd, g_state.hDC);
        g_state.hDC = NULL;
        if (g_state.palette != NULL) {
            DeleteObject(g_state.palette);
            g_state.palette = NULL;
        }
        return FALSE;
    }

    InitGlState();

    // The cursor starts at the middle of the initial client size, taken as
    // a screen position; the first size message has not come yet.
    g_state.mouseX = g_state.clientWidth / 2;
    g_state.mouseY = g_state.clientHeight / 2;
    g_state.anchorSet = 0;
    SetCursorPos(g_state.mouseX, g_state.mouseY);
    return TRUE;
}

void ResizeGlSurface(int w, int h)
{
    // A minimised window reports an empty client area; its aspect would be
    // undefined, so the last good projection stays until it is restored.
    if (w <= 0 || h <= 0) {
        return;
    }
    g_state.clientWidth = w;
    g_state.clientHeight = h;
    g_state.aspect = (float)w / (float)h;

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, g_state.aspect, kNearPlane, kFarPlane);
    glViewport(0, 0, w, h);
}
