// The message queue of the SDL2 layer.
//
// Implements: PeekMessageA (never waits), TranslateMessage, DispatchMessageA,
// SendMessageA, PostMessageA, PostQuitMessage, DefWindowProcA.
// Does not implement: GetMessageA, message filters (a window or a range
// given to PeekMessageA is not applied), character messages.
//
// Order of retrieval, as under Win32 as far as the viewer can tell: posted
// messages, then the quit message, then the window system's input (SDL
// events turned into messages), then WM_PAINT for a window that needs it.
#include "shell/platform/sdl/window_internal.h"

namespace {

// Win32 holds up to 10000 posted messages; a viewer drains its queue on
// every turn, so a far smaller ring is plenty. When full, the newest is lost.
const int kQueueSize = 1024;

MSG g_queue[kQueueSize];
int g_head;
int g_count;
int g_quitPosted;
int g_quitCode;

BOOL PushMessage(const MSG* msg)
{
    if (g_count == kQueueSize) {
        return FALSE;
    }
    g_queue[(g_head + g_count) % kQueueSize] = *msg;
    g_count++;
    return TRUE;
}

void StampMessage(MSG* msg)
{
    int x = 0;
    int y = 0;
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        SDL_GetGlobalMouseState(&x, &y);
    }
    msg->time = SDL_GetTicks();
    msg->pt.x = x;
    msg->pt.y = y;
}

// Turns the pending SDL events into queued messages; events that make none
// are handled here (expose marks the window for painting, a user resize is
// offered as WM_SIZING).
void DrainSdlEvents(void)
{
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return;
    }
    SDL_Event event;
    while (g_count < kQueueSize && SDL_PollEvent(&event)) {
        if (event.type == SDL_WINDOWEVENT) {
            HWND hWnd = WindowFromSdlId(event.window.windowID);
            if (hWnd != NULL && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                hWnd->needsPaint = 1;
            } else if (hWnd != NULL && event.window.event == SDL_WINDOWEVENT_RESIZED) {
                OfferUserResize(hWnd);
            }
        }
        MSG msg = {};
        if (PackSdlEvent(&event, &msg)) {
            StampMessage(&msg);
            PushMessage(&msg);
        }
    }
}

BOOL TakeQueued(MSG* lpMsg, UINT wRemoveMsg)
{
    if (g_count == 0) {
        return FALSE;
    }
    *lpMsg = g_queue[g_head];
    if ((wRemoveMsg & PM_REMOVE) != 0) {
        g_head = (g_head + 1) % kQueueSize;
        g_count--;
    }
    return TRUE;
}

}  // namespace

BOOL PeekMessageA(MSG* lpMsg, HWND, UINT, UINT, UINT wRemoveMsg)
{
    if (lpMsg == NULL) {
        return FALSE;
    }
    if (TakeQueued(lpMsg, wRemoveMsg)) {
        return TRUE;
    }
    if (g_quitPosted) {
        *lpMsg = MSG{};
        lpMsg->message = WM_QUIT;
        lpMsg->wParam = (WPARAM)g_quitCode;
        StampMessage(lpMsg);
        if ((wRemoveMsg & PM_REMOVE) != 0) {
            g_quitPosted = 0;
        }
        return TRUE;
    }
    DrainSdlEvents();
    if (TakeQueued(lpMsg, wRemoveMsg)) {
        return TRUE;
    }
    // WM_PAINT is never queued: it is made while a window needs painting,
    // until BeginPaint (or the default handling) validates the window.
    for (HWND w = FirstLiveWindow(); w != NULL; w = w->next) {
        if (w->shown && w->needsPaint) {
            *lpMsg = MSG{};
            lpMsg->hwnd = w;
            lpMsg->message = WM_PAINT;
            StampMessage(lpMsg);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL TranslateMessage(const MSG* lpMsg)
{
    // Character messages are not made; report whether it was a key message.
    return lpMsg != NULL && (lpMsg->message == WM_KEYDOWN || lpMsg->message == WM_KEYUP ||
                             lpMsg->message == WM_SYSKEYDOWN || lpMsg->message == WM_SYSKEYUP);
}

LRESULT DispatchMessageA(const MSG* lpMsg)
{
    if (lpMsg == NULL || !IsWindow(lpMsg->hwnd)) {
        return 0;
    }
    return lpMsg->hwnd->proc(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(hWnd)) {
        return 0;
    }
    return hWnd->proc(hWnd, Msg, wParam, lParam);
}

BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (hWnd != NULL && !IsWindow(hWnd)) {
        return FALSE;
    }
    MSG msg = {};
    msg.hwnd = hWnd;
    msg.message = Msg;
    msg.wParam = wParam;
    msg.lParam = lParam;
    StampMessage(&msg);
    return PushMessage(&msg);
}

void PostQuitMessage(int nExitCode)
{
    g_quitPosted = 1;
    g_quitCode = nExitCode;
}

void DropMessagesFor(HWND hWnd)
{
    int kept = 0;
    for (int i = 0; i < g_count; i++) {
        const MSG msg = g_queue[(g_head + i) % kQueueSize];
        if (msg.hwnd != hWnd) {
            g_queue[(g_head + kept) % kQueueSize] = msg;
            kept++;
        }
    }
    g_count = kept;
}

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM, LPARAM)
{
    switch (Msg) {
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_SIZING:
        return TRUE;
    default:
        return 0;
    }
}
