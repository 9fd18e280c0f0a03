// How the layer packs SDL events into window messages: a table of events
// and the messages they must give.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "shell/platform/sdl/window_internal.h"
#include "shell/platform/win32.h"

namespace {

const LPARAM kAnyLParam = -12345;  // the case does not check lParam
const UINT kNoMessage = 0xFFFF;

struct PackCase {
    const char* name;
    SDL_Event event;  // windowID filled in by the test
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

SDL_Event Key(Uint32 type, SDL_Scancode scancode, Uint16 mod = KMOD_NONE, Uint8 repeat = 0)
{
    SDL_Event e = {};
    e.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat;
    e.key.keysym.scancode = scancode;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event Motion(int x, int y, Uint32 buttons)
{
    SDL_Event e = {};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    e.motion.state = buttons;
    return e;
}

SDL_Event Button(Uint32 type, Uint8 button, int x, int y)
{
    SDL_Event e = {};
    e.type = type;
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    return e;
}

SDL_Event Wheel(int x, int y, Uint32 direction)
{
    SDL_Event e = {};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.x = x;
    e.wheel.y = y;
    e.wheel.direction = direction;
    return e;
}

SDL_Event WindowEvent(Uint8 kind, int data1 = 0, int data2 = 0)
{
    SDL_Event e = {};
    e.type = SDL_WINDOWEVENT;
    e.window.event = kind;
    e.window.data1 = data1;
    e.window.data2 = data2;
    return e;
}

const DWORD kPrevious = 1u << 30;
const DWORD kReleased = 1u << 31;
const DWORD kAlt = 1u << 29;

const PackCase kCases[] = {
    {"KeyDown", Key(SDL_KEYDOWN, SDL_SCANCODE_A), WM_KEYDOWN, 'A', 1},
    {"KeyRepeat", Key(SDL_KEYDOWN, SDL_SCANCODE_A, KMOD_NONE, 1), WM_KEYDOWN, 'A',
     (LPARAM)(1 | kPrevious)},
    {"KeyUp", Key(SDL_KEYUP, SDL_SCANCODE_A), WM_KEYUP, 'A', (LPARAM)(1 | kPrevious | kReleased)},
    {"Escape", Key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE), WM_KEYDOWN, VK_ESCAPE, 1},
    {"NumpadPlus", Key(SDL_KEYDOWN, SDL_SCANCODE_KP_PLUS), WM_KEYDOWN, VK_ADD, 1},
    {"F10IsSystemKey", Key(SDL_KEYDOWN, SDL_SCANCODE_F10), WM_SYSKEYDOWN, VK_F10, 1},
    {"AltHeldIsSystemKey", Key(SDL_KEYDOWN, SDL_SCANCODE_X, KMOD_LALT), WM_SYSKEYDOWN, 'X',
     (LPARAM)(1 | kAlt)},
    {"AltHeldRelease", Key(SDL_KEYUP, SDL_SCANCODE_X, KMOD_RALT), WM_SYSKEYUP, 'X',
     (LPARAM)(1 | kAlt | kPrevious | kReleased)},
    {"ShiftHeldIsPlainKey", Key(SDL_KEYDOWN, SDL_SCANCODE_O, KMOD_LSHIFT), WM_KEYDOWN, 'O', 1},
    {"UnknownKeyGivesNothing", Key(SDL_KEYDOWN, SDL_SCANCODE_APPLICATION), kNoMessage, 0, 0},
    {"Move", Motion(10, 20, 0), WM_MOUSEMOVE, 0, MAKELPARAM(10, 20)},
    {"DragMove", Motion(639, 479, SDL_BUTTON_LMASK), WM_MOUSEMOVE, MK_LBUTTON,
     MAKELPARAM(639, 479)},
    {"LeftDown", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 5, 6), WM_LBUTTONDOWN, MK_LBUTTON,
     MAKELPARAM(5, 6)},
    {"LeftUp", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 7, 8), WM_LBUTTONUP, 0,
     MAKELPARAM(7, 8)},
    {"RightDown", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1, 2), WM_RBUTTONDOWN,
     MK_RBUTTON, MAKELPARAM(1, 2)},
    {"FourthButtonGivesNothing", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 1, 2), kNoMessage, 0,
     0},
    {"WheelAway", Wheel(0, 1, SDL_MOUSEWHEEL_NORMAL), WM_MOUSEWHEEL, MAKEWPARAM(0, 120),
     kAnyLParam},
    {"WheelTowardsTwoNotches", Wheel(0, -2, SDL_MOUSEWHEEL_NORMAL), WM_MOUSEWHEEL,
     MAKEWPARAM(0, (WORD)(short)-240), kAnyLParam},
    {"WheelFlipped", Wheel(0, 1, SDL_MOUSEWHEEL_FLIPPED), WM_MOUSEWHEEL,
     MAKEWPARAM(0, (WORD)(short)-120), kAnyLParam},
    {"WheelHugeIsClamped", Wheel(0, 1000, SDL_MOUSEWHEEL_NORMAL), WM_MOUSEWHEEL,
     MAKEWPARAM(0, 32767), kAnyLParam},
    {"HorizontalWheelGivesNothing", Wheel(1, 0, SDL_MOUSEWHEEL_NORMAL), kNoMessage, 0, 0},
    {"Resized", WindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600), WM_SIZE, SIZE_RESTORED,
     MAKELPARAM(800, 600)},
    {"Minimised", WindowEvent(SDL_WINDOWEVENT_MINIMIZED), WM_SIZE, SIZE_MINIMIZED, 0},
    {"CloseButton", WindowEvent(SDL_WINDOWEVENT_CLOSE), WM_CLOSE, 0, 0},
    {"FocusGained", WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), WM_SETFOCUS, 0, 0},
    {"ExposeIsNoMessage", WindowEvent(SDL_WINDOWEVENT_EXPOSED), kNoMessage, 0, 0},
};

LRESULT CALLBACK PlainProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

class MessagePackTest : public ::testing::TestWithParam<PackCase> {
protected:
    static void SetUpTestSuite()
    {
        if (getenv("DISPLAY") == NULL) {
            return;
        }
        WNDCLASSA wc = {};
        wc.lpfnWndProc = PlainProc;
        wc.lpszClassName = "pack test";
        RegisterClassA(&wc);
        s_window = CreateWindowExA(0, "pack test", "pack test", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                   200, NULL, NULL, NULL, NULL);
    }

    static void TearDownTestSuite() { DestroyWindow(s_window); }

    void SetUp() override
    {
        if (getenv("DISPLAY") == NULL) {
            GTEST_SKIP() << "needs a display";
        }
        ASSERT_NE(s_window, nullptr);
    }

    static HWND s_window;
};

HWND MessagePackTest::s_window;

void SetWindowId(SDL_Event* e, Uint32 id)
{
    switch (e->type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: e->key.windowID = id; break;
    case SDL_MOUSEMOTION: e->motion.windowID = id; break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: e->button.windowID = id; break;
    case SDL_MOUSEWHEEL: e->wheel.windowID = id; break;
    case SDL_WINDOWEVENT: e->window.windowID = id; break;
    default: break;
    }
}

TEST_P(MessagePackTest, EventGivesItsMessage)
{
    const PackCase& c = GetParam();
    SDL_Event event = c.event;
    SetWindowId(&event, SDL_GetWindowID(SdlWindowOf(s_window)));
    MSG msg;
    BOOL made = PackSdlEvent(&event, &msg);
    if (c.message == kNoMessage) {
        EXPECT_FALSE(made);
        return;
    }
    ASSERT_TRUE(made);
    EXPECT_EQ(msg.hwnd, s_window);
    EXPECT_EQ(msg.message, c.message);
    EXPECT_EQ(msg.wParam, c.wParam);
    if (c.lParam != kAnyLParam) {
        EXPECT_EQ((DWORD)msg.lParam, (DWORD)c.lParam);
    }
}

TEST_P(MessagePackTest, EventOfAnotherWindowGivesNothing)
{
    SDL_Event event = GetParam().event;
    SetWindowId(&event, SDL_GetWindowID(SdlWindowOf(s_window)) + 1000);
    MSG msg;
    EXPECT_FALSE(PackSdlEvent(&event, &msg));
}

INSTANTIATE_TEST_SUITE_P(Events, MessagePackTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PackCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(MessagePackWheel, PositionIsInScreenCoordinates)
{
    if (getenv("DISPLAY") == NULL) {
        GTEST_SKIP() << "needs a display";
    }
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = "wheel test";
    RegisterClassA(&wc);
    HWND hWnd = CreateWindowExA(0, "wheel test", "wheel test", WS_OVERLAPPEDWINDOW, 100, 50, 300,
                                300, NULL, NULL, NULL, NULL);
    ASSERT_NE(hWnd, nullptr);
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(SdlWindowOf(hWnd), &x, &y);
    SDL_Event e = Wheel(0, 1, SDL_MOUSEWHEEL_NORMAL);
    e.wheel.windowID = SDL_GetWindowID(SdlWindowOf(hWnd));
    e.wheel.mouseX = 10;
    e.wheel.mouseY = 20;
    MSG msg;
    ASSERT_TRUE(PackSdlEvent(&e, &msg));
    EXPECT_EQ(LOWORD(msg.lParam), x + 10);
    EXPECT_EQ(HIWORD(msg.lParam), y + 20);
    DestroyWindow(hWnd);
}

}  // namespace
