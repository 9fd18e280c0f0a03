#include "shell/platform/sdl/modal_loop.h"

static int ReachesDisabledOwner(UINT message)
{
    switch (message) {
    case WM_PAINT:
    case WM_SIZE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_DESTROY:
        return 1;
    default:
        return 0;
    }
}

void PumpModalMessages(HWND)
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage((int)msg.wParam);
            return;
        }
        if (ReachesDisabledOwner(msg.message)) {
            DispatchMessageA(&msg);
        }
    }
}
