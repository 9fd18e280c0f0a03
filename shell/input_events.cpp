#include "shell/input_events.h"

#include "core/viewer_state.h"

static void RecordKey(WPARAM key, int down)
{
    if (key >= (WPARAM)kKeyCount) {
        return;
    }
    g_state.keyDown[key] = down;
    g_state.keyChanged[key] = 1;
}

// When the window loses the keyboard focus its key-up messages go elsewhere,
// so every key still held is released here, as if its key-up had arrived;
// otherwise a direction key released over another window would keep panning.
static void ReleaseAllKeys(void)
{
    for (int key = 0; key < kKeyCount; key++) {
        if (g_state.keyDown[key]) {
            g_state.keyDown[key] = 0;
            g_state.keyChanged[key] = 1;
        }
    }
}

// Client coordinates from lParam. They are signed: while the mouse is
// captured during a drag, a cursor left of or above the window reports
// negative positions, which must not turn into huge ones.
static int MouseX(LPARAM lParam)
{
    return (int)(short)LOWORD(lParam);
}

static int MouseY(LPARAM lParam)
{
    return (int)(short)HIWORD(lParam);
}

// The delta measures from where the cursor was before the first move since
// the anchor was last cleared, however many moves come before the next pass.
static void TrackDrag(int x, int y)
{
    if (!g_state.anchorSet) {
        g_state.anchorX = g_state.mouseX;
        g_state.anchorY = g_state.mouseY;
        g_state.anchorSet = 1;
    }
    g_state.mouseX = x;
    g_state.mouseY = y;
    g_state.dragDX = x - g_state.anchorX;
    g_state.dragDY = y - g_state.anchorY;
}

// One step per message whatever the rotation: away from the user moves the
// map away, 0 and towards the user brings it closer.
static void ZoomByWheel(WPARAM wParam)
{
    short rotation = (short)HIWORD(wParam);
    if (rotation > 0) {
        if (g_state.zoom < kZoomMax) {
            g_state.zoom += kZoomStep;
        }
    } else if (g_state.zoom > kZoomMin) {
        g_state.zoom -= kZoomStep;
    }
}

void ApplyMinimumWindowSize(WPARAM edge, RECT* rect)
{
    if (rect->right - rect->left < kMinWindowWidth) {
        if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT) {
            rect->left = rect->right - kMinWindowWidth;
        } else if (edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT) {
            rect->right = rect->left + kMinWindowWidth;
        }
    }
    if (rect->bottom - rect->top < kMinWindowHeight) {
        if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT) {
            rect->top = rect->bottom - kMinWindowHeight;
        } else if (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT) {
            rect->bottom = rect->top + kMinWindowHeight;
        }
    }
}

int HandleInputMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_KEYDOWN:
        RecordKey(wParam, 1);
        break;
    case WM_KEYUP:
        RecordKey(wParam, 0);
        break;
    case WM_KILLFOCUS:
        ReleaseAllKeys();
        break;
    case WM_MOUSEMOVE:
        TrackDrag(MouseX(lParam), MouseY(lParam));
        break;
    case WM_LBUTTONDOWN:
        g_state.anchorSet = 0;
        g_state.mouseX = MouseX(lParam);
        g_state.mouseY = MouseY(lParam);
        g_state.buttonDown = 1;
        // Held captures the mouse, so a release outside the window still
        // ends the drag.
        SetCapture(hWnd);
        break;
    case WM_LBUTTONUP:
        g_state.buttonDown = 0;
        ReleaseCapture();
        break;
    case WM_MOUSEWHEEL:
        ZoomByWheel(wParam);
        break;
    case WM_SIZING:
        ApplyMinimumWindowSize(wParam, (RECT*)lParam);
        break;
    default:
        return 0;
    }
    *result = 0;
    return 1;
}
