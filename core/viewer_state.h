// The viewer's whole state: one record, one instance for the life of the
// process, read and written directly by every part of the viewer.
#ifndef HM_CORE_VIEWER_STATE_H
#define HM_CORE_VIEWER_STATE_H

#include "core/viewer_constants.h"
#include "savegame/package_list.h"
#include "shell/platform/gl.h"

struct ViewerState {
    int running;  // the main loop goes on while not 0

    HINSTANCE hInstance;
    HWND hWnd;
    HDC hDC;
    HGLRC hGLRC;
    HPALETTE palette;  // only where the pixel format needs one
    PIXELFORMATDESCRIPTOR pixelFormat;  // the request, then the granted format

    int clientWidth;
    int clientHeight;
    float aspect;  // clientWidth / clientHeight at the last resize

    // View: offset of the map square and distance of the eye from its plane.
    float panX;
    float panY;
    float zoom;
    float panSpeed;

    // Raw input as the window procedure records it; the input step consumes it.
    int keyDown[kKeyCount];
    int keyChanged[kKeyCount];
    int mouseX;
    int mouseY;
    int anchorX;
    int anchorY;
    int anchorSet;
    int dragDX;
    int dragDY;
    int buttonDown;

    int showHelp;

    char savegamePath[MAX_PATH];
    PackageList packages;

    GLuint mapTexture;
    GLuint fontTexture;
    GLuint fontListBase;
};

extern ViewerState g_state;

// Puts g_state back to its start values, releasing the package list. Used at
// start and between test cases.
void ResetViewerState(void);

#endif
