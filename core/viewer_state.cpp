#include "core/viewer_state.h"

#include <stdlib.h>
#include <string.h>

ViewerState g_state;

// The pixel format the window asks for: double-buffered RGBA with 24 colour
// bits and a 32-bit depth buffer; every field not set is "no preference".
static void SetPixelFormatRequest(PIXELFORMATDESCRIPTOR* pfd)
{
    memset(pfd, 0, sizeof(*pfd));
    pfd->nSize = sizeof(PIXELFORMATDESCRIPTOR);
    pfd->nVersion = 1;
    pfd->dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd->iPixelType = PFD_TYPE_RGBA;
    pfd->cColorBits = 24;
    pfd->cDepthBits = 32;
    pfd->iLayerType = PFD_MAIN_PLANE;
}

void ResetViewerState(void)
{
    free(g_state.packages.entries);
    memset(&g_state, 0, sizeof(g_state));

    g_state.running = 1;
    SetPixelFormatRequest(&g_state.pixelFormat);
    g_state.clientWidth = kInitialClientWidth;
    g_state.clientHeight = kInitialClientHeight;
    g_state.aspect = 0.0f;
    g_state.panX = 0.0f;
    g_state.panY = 0.0f;
    g_state.zoom = kStartZoom;
    g_state.panSpeed = kPanSpeed;
}
