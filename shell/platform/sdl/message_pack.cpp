// How the SDL2 layer packs SDL events into window messages.
//
// Implements: key messages (virtual-key codes from the key table; repeats
// are further key-downs; F10 and keys with Alt held are system-key
// messages), mouse move and button messages in client pixels, the wheel
// (120 per notch, screen position), size, close and focus messages.
// Does not implement: scan codes and the extended-key bit in key messages'
// lParam (left 0), the fourth and fifth mouse buttons, horizontal wheels.
#include "shell/platform/sdl/window_internal.h"

namespace {

WPARAM MouseKeyState(Uint32 buttons)
{
    WPARAM state = 0;
    if ((buttons & SDL_BUTTON_LMASK) != 0) state |= MK_LBUTTON;
    if ((buttons & SDL_BUTTON_RMASK) != 0) state |= MK_RBUTTON;
    if ((buttons & SDL_BUTTON_MMASK) != 0) state |= MK_MBUTTON;
    SDL_Keymod mod = SDL_GetModState();
    if ((mod & KMOD_SHIFT) != 0) state |= MK_SHIFT;
    if ((mod & KMOD_CTRL) != 0) state |= MK_CONTROL;
    return state;
}

BOOL PackKey(const SDL_KeyboardEvent* key, MSG* msg)
{
    BYTE vk = VirtualKeyFromScancode(key->keysym.scancode);
    if (vk == 0) {
        return FALSE;
    }
    BOOL down = key->type == SDL_KEYDOWN;
    BOOL alt = (key->keysym.mod & KMOD_ALT) != 0;
    BOOL system = alt || vk == VK_F10;
    if (down) {
        msg->message = system ? WM_SYSKEYDOWN : WM_KEYDOWN;
    } else {
        msg->message = system ? WM_SYSKEYUP : WM_KEYUP;
    }
    msg->wParam = vk;
    // Repeat count 1; bit 29 Alt held; bit 30 the key was down before (a
    // repeat, or any key-up); bit 31 the key is being released.
    DWORD bits = 1;
    if (alt) bits |= 1u << 29;
    if (!down || key->repeat != 0) bits |= 1u << 30;
    if (!down) bits |= 1u << 31;
    msg->lParam = (LPARAM)bits;
    return TRUE;
}

BOOL PackButton(const SDL_MouseButtonEvent* button, MSG* msg)
{
    BOOL down = button->type == SDL_MOUSEBUTTONDOWN;
    WPARAM own = 0;
    switch (button->button) {
    case SDL_BUTTON_LEFT:
        msg->message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        own = MK_LBUTTON;
        break;
    case SDL_BUTTON_RIGHT:
        msg->message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        own = MK_RBUTTON;
        break;
    case SDL_BUTTON_MIDDLE:
        msg->message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        own = MK_MBUTTON;
        break;
    default:
        return FALSE;
    }
    // The key state is the one after the event: the button itself is held
    // after a press and free after a release.
    msg->wParam = MouseKeyState(SDL_GetMouseState(NULL, NULL));
    msg->wParam = down ? (msg->wParam | own) : (msg->wParam & ~own);
    msg->lParam = MAKELPARAM(button->x, button->y);
    return TRUE;
}

BOOL PackWheel(const SDL_MouseWheelEvent* wheel, MSG* msg)
{
    int notches = wheel->y;
    if (wheel->direction == SDL_MOUSEWHEEL_FLIPPED) {
        notches = -notches;
    }
    if (notches == 0) {
        return FALSE;  // a horizontal scroll only
    }
    int rotation = notches * WHEEL_DELTA;
    if (rotation > 32767) rotation = 32767;
    if (rotation < -32768) rotation = -32768;
    msg->message = WM_MOUSEWHEEL;
    msg->wParam = MAKEWPARAM(MouseKeyState(SDL_GetMouseState(NULL, NULL)), (WORD)(short)rotation);
    // The wheel message carries the cursor in screen coordinates.
    int windowX = 0;
    int windowY = 0;
    SDL_GetWindowPosition(msg->hwnd->sdlWindow, &windowX, &windowY);
    msg->lParam = MAKELPARAM(windowX + wheel->mouseX, windowY + wheel->mouseY);
    return TRUE;
}

BOOL PackWindowEvent(const SDL_WindowEvent* window, MSG* msg)
{
    int w = 0;
    int h = 0;
    switch (window->event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        msg->message = WM_SIZE;
        msg->wParam = (SDL_GetWindowFlags(msg->hwnd->sdlWindow) & SDL_WINDOW_MAXIMIZED) != 0
                          ? SIZE_MAXIMIZED
                          : SIZE_RESTORED;
        msg->lParam = MAKELPARAM(window->data1, window->data2);
        return TRUE;
    case SDL_WINDOWEVENT_MINIMIZED:
        msg->message = WM_SIZE;
        msg->wParam = SIZE_MINIMIZED;
        msg->lParam = 0;
        return TRUE;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        SDL_GetWindowSize(msg->hwnd->sdlWindow, &w, &h);
        msg->message = WM_SIZE;
        msg->wParam = window->event == SDL_WINDOWEVENT_MAXIMIZED ? SIZE_MAXIMIZED : SIZE_RESTORED;
        msg->lParam = MAKELPARAM(w, h);
        return TRUE;
    case SDL_WINDOWEVENT_CLOSE:
        msg->message = WM_CLOSE;
        return TRUE;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        msg->message = WM_SETFOCUS;
        return TRUE;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        msg->message = WM_KILLFOCUS;
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

BOOL PackSdlEvent(const SDL_Event* event, MSG* msg)
{
    *msg = MSG{};
    switch (event->type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        msg->hwnd = WindowFromSdlId(event->key.windowID);
        return msg->hwnd != NULL && PackKey(&event->key, msg);
    case SDL_MOUSEMOTION:
        msg->hwnd = WindowFromSdlId(event->motion.windowID);
        if (msg->hwnd == NULL) {
            return FALSE;
        }
        msg->message = WM_MOUSEMOVE;
        msg->wParam = MouseKeyState(event->motion.state);
        msg->lParam = MAKELPARAM(event->motion.x, event->motion.y);
        return TRUE;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        msg->hwnd = WindowFromSdlId(event->button.windowID);
        return msg->hwnd != NULL && PackButton(&event->button, msg);
    case SDL_MOUSEWHEEL:
        msg->hwnd = WindowFromSdlId(event->wheel.windowID);
        return msg->hwnd != NULL && PackWheel(&event->wheel, msg);
    case SDL_WINDOWEVENT:
        msg->hwnd = WindowFromSdlId(event->window.windowID);
        return msg->hwnd != NULL && PackWindowEvent(&event->window, msg);
    case SDL_QUIT:
        // Asked to end from outside (a signal, the session): close the
        // window as its close button would.
        msg->hwnd = FirstLiveWindow();
        msg->message = WM_CLOSE;
        return msg->hwnd != NULL;
    default:
        return FALSE;
    }
}
