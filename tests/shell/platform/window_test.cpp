// The SDL2 layer's windows and message queue under a real (virtual) display:
// creation order, sizes, the close path, painting, the minimum size and the
// GL surface a window is granted.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <vector>

#include "shell/platform/sdl/window_internal.h"
#include "shell/platform/win32.h"

namespace {

struct Recorded {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool creatorReturned;
};

std::vector<Recorded> g_log;
bool g_creatorReturned;
// The outer minimum the test procedure enforces through WM_SIZING.
const int kMinOuterWidth = 640;
const int kMinOuterHeight = 480;

LRESULT CALLBACK RecordingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_log.push_back({message, wParam, lParam, g_creatorReturned});
    if (message == WM_DESTROY) {
        PostQuitMessage(7);
        return 0;
    }
    if (message == WM_SIZING) {
        RECT* rect = (RECT*)lParam;
        if (rect->right - rect->left < kMinOuterWidth) rect->right = rect->left + kMinOuterWidth;
        if (rect->bottom - rect->top < kMinOuterHeight) rect->bottom = rect->top + kMinOuterHeight;
        return TRUE;
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

const DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
const DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
const char kTitle[] = "Layer Test  Window";

void DrainQueue(void)
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT) {
            DispatchMessageA(&msg);
        }
    }
}

class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (getenv("DISPLAY") == NULL) {
            return;
        }
        WNDCLASSA wc = {};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = RecordingProc;
        wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
        wc.lpszClassName = kTitle;
        RegisterClassA(&wc);
    }

    void SetUp() override
    {
        if (getenv("DISPLAY") == NULL) {
            GTEST_SKIP() << "needs a display";
        }
        g_log.clear();
        g_creatorReturned = false;
        RECT outer = {0, 0, 640, 480};
        AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
        hWnd = CreateWindowExA(kExStyle, kTitle, kTitle, kStyle, 0, 0, outer.right - outer.left,
                               outer.bottom - outer.top, NULL, NULL, NULL, NULL);
        g_creatorReturned = true;
        ASSERT_NE(hWnd, nullptr);
    }

    void TearDown() override
    {
        if (IsWindow(hWnd)) {
            DestroyWindow(hWnd);
        }
        // Leave no quit message behind for the next case.
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        }
    }

    std::vector<UINT> Messages(void)
    {
        std::vector<UINT> messages;
        for (const Recorded& r : g_log) messages.push_back(r.message);
        return messages;
    }

    HWND hWnd = NULL;
};

TEST_F(WindowTest, CreationAndFirstSizeArriveInOrderBeforeCreationReturns)
{
    std::vector<Recorded> firsts;
    for (const Recorded& r : g_log) {
        if (r.message == WM_CREATE || r.message == WM_SIZE) firsts.push_back(r);
    }
    ASSERT_EQ(firsts.size(), 2u);
    EXPECT_EQ(firsts[0].message, (UINT)WM_CREATE);
    EXPECT_EQ(firsts[1].message, (UINT)WM_SIZE);
    EXPECT_EQ(LOWORD(firsts[1].lParam), 640);
    EXPECT_EQ(HIWORD(firsts[1].lParam), 480);
    EXPECT_FALSE(firsts[0].creatorReturned);
    EXPECT_FALSE(firsts[1].creatorReturned);
    EXPECT_EQ(g_log.front().message, (UINT)WM_CREATE);
}

TEST_F(WindowTest, TitleAndClientSizeAreTheOnesAskedFor)
{
    EXPECT_STREQ(SDL_GetWindowTitle(SdlWindowOf(hWnd)), kTitle);
    RECT client;
    ASSERT_TRUE(GetClientRect(hWnd, &client));
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 480);
}

TEST_F(WindowTest, OuterRectangleGrowsByTheFrameAndCreationTakesItBack)
{
    RECT outer = {0, 0, 640, 480};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    EXPECT_LT(outer.left, 0);
    EXPECT_LT(outer.top, outer.left);  // the caption adds to the top
    EXPECT_GT(outer.right, 640);
    EXPECT_GT(outer.bottom, 480);
}

TEST_F(WindowTest, MinimumSizeIsWhatTheProcedureEnforcesOnTheOuterRectangle)
{
    RECT margins;
    GetFrameMargins(kStyle, &margins);
    int minW = 0;
    int minH = 0;
    SDL_GetWindowMinimumSize(SdlWindowOf(hWnd), &minW, &minH);
    EXPECT_EQ(minW, kMinOuterWidth - margins.left - margins.right);
    EXPECT_EQ(minH, kMinOuterHeight - margins.top - margins.bottom);
}

TEST_F(WindowTest, CloseButtonDestroysTheWindowAndPostsQuit)
{
    DrainQueue();
    g_log.clear();
    SDL_Event close = {};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = SDL_GetWindowID(SdlWindowOf(hWnd));
    ASSERT_EQ(SDL_PushEvent(&close), 1);

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_CLOSE);
    EXPECT_EQ(msg.hwnd, hWnd);
    DispatchMessageA(&msg);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_CLOSE, WM_DESTROY}));

    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_QUIT);
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_FALSE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
}

TEST_F(WindowTest, PaintComesWhileInvalidAndStopsOnceValidated)
{
    ShowWindow(hWnd, SW_SHOWNORMAL);
    DrainQueue();  // the default handling validates
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));

    InvalidateRect(hWnd, NULL, FALSE);
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_PAINT);
    // Not validated yet: it comes again.
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_PAINT);
    PAINTSTRUCT ps;
    ASSERT_NE(BeginPaint(hWnd, &ps), nullptr);
    EndPaint(hWnd, &ps);
    EXPECT_FALSE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
}

TEST_F(WindowTest, GrantedFormatIsDoubleBufferedRgbaWithDepthAndNoPalette)
{
    HDC hdc = GetDC(hWnd);
    ASSERT_NE(hdc, nullptr);
    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof(request);
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    request.cColorBits = 24;
    request.cDepthBits = 32;
    int format = ChoosePixelFormat(hdc, &request);
    ASSERT_GT(format, 0);
    ASSERT_TRUE(SetPixelFormat(hdc, format, &request));
    PIXELFORMATDESCRIPTOR granted = {};
    ASSERT_GT(DescribePixelFormat(hdc, format, sizeof(granted), &granted), 0);
    EXPECT_EQ(granted.nSize, sizeof(PIXELFORMATDESCRIPTOR));
    EXPECT_NE(granted.dwFlags & PFD_DOUBLEBUFFER, 0u);
    EXPECT_EQ(granted.dwFlags & PFD_NEED_PALETTE, 0u);
    EXPECT_EQ(granted.iPixelType, PFD_TYPE_RGBA);
    EXPECT_GE(granted.cColorBits, 24);
    EXPECT_GE(granted.cDepthBits, 16);

    HGLRC context = wglCreateContext(hdc);
    ASSERT_NE(context, nullptr);
    ASSERT_TRUE(wglMakeCurrent(hdc, context));
    int major = 0;
    int minor = 0;
    sscanf((const char*)glGetString(GL_VERSION), "%d.%d", &major, &minor);
    EXPECT_TRUE(major > 1 || (major == 1 && minor >= 4)) << glGetString(GL_VERSION);
    EXPECT_TRUE(SwapBuffers(hdc));
    wglMakeCurrent(NULL, NULL);
    EXPECT_TRUE(wglDeleteContext(context));
    EXPECT_EQ(ReleaseDC(hWnd, hdc), 1);
}

TEST_F(WindowTest, TeardownAfterTheWindowIsGoneReleasesContextAndDc)
{
    HDC hdc = GetDC(hWnd);
    PIXELFORMATDESCRIPTOR request = {};
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    ASSERT_TRUE(SetPixelFormat(hdc, ChoosePixelFormat(hdc, &request), &request));
    HGLRC context = wglCreateContext(hdc);
    ASSERT_TRUE(wglMakeCurrent(hdc, context));
    HWND gone = hWnd;
    DestroyWindow(hWnd);
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
    EXPECT_TRUE(wglMakeCurrent(NULL, NULL));
    EXPECT_TRUE(wglDeleteContext(context));
    EXPECT_EQ(ReleaseDC(gone, hdc), 1);
    EXPECT_FALSE(SwapBuffers(NULL));
}

}  // namespace
