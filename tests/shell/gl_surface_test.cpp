// The viewer's window procedure on a real window: the surface it builds on
// creation, the projection after a resize, and a paint that draws and swaps.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <math.h>
#include <stdlib.h>

#include "core/viewer_state.h"
#include "shell/platform/sdl/window_internal.h"
#include "tools/viewer_window/viewer_window.h"

// Xlib's macros clash with GoogleTest's names; it comes last.
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// Away from the other tests' windows at (0, 0), so that the screen read-back
// sees this window only.
const int kLeft = 620;
const int kTop = 500;

class GlSurfaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (getenv("DISPLAY") == NULL) {
            GTEST_SKIP() << "needs a display";
        }
        ASSERT_NE(OpenViewerWindow(kLeft, kTop, kInitialClientWidth, kInitialClientHeight),
                  nullptr);
    }

    void TearDown() override { CloseViewerWindow(); }
};

// What the display shows at a client pixel: presenting is only seen there.
bool ReadWindowPixel(HWND hWnd, int x, int y, int rgb[3])
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(SdlWindowOf(hWnd), &info) || info.subsystem != SDL_SYSWM_X11) {
        return false;
    }
    XSync(info.info.x11.display, False);
    XImage* image = XGetImage(info.info.x11.display, info.info.x11.window, x, y, 1, 1, AllPlanes,
                              ZPixmap);
    if (image == NULL) {
        return false;
    }
    unsigned long pixel = XGetPixel(image, 0, 0);
    rgb[0] = (int)((pixel >> 16) & 0xff);
    rgb[1] = (int)((pixel >> 8) & 0xff);
    rgb[2] = (int)(pixel & 0xff);
    XDestroyImage(image);
    return true;
}

void ExpectPerspective(float aspect)
{
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    const double f = 1.0 / tan(30.0 / 2.0 * M_PI / 180.0);
    const double zNear = (double)0.1f;
    const double zFar = 4096.0;
    EXPECT_NEAR(m[0], f / aspect, 1e-4);
    EXPECT_NEAR(m[5], f, 1e-4);
    EXPECT_NEAR(m[10], (zFar + zNear) / (zNear - zFar), 1e-4);
    EXPECT_NEAR(m[11], -1.0, 1e-6);
    EXPECT_NEAR(m[14], 2.0 * zFar * zNear / (zNear - zFar), 1e-4);
}

TEST_F(GlSurfaceTest, CreationMakesACurrentDoubleBufferedContextWithoutPalette)
{
    EXPECT_NE(g_state.hDC, nullptr);
    ASSERT_NE(g_state.hGLRC, nullptr);
    EXPECT_NE(SDL_GL_GetCurrentContext(), nullptr);
    EXPECT_EQ(g_state.palette, nullptr);
    EXPECT_NE(g_state.pixelFormat.dwFlags & PFD_DOUBLEBUFFER, 0u);
    EXPECT_EQ(g_state.pixelFormat.dwFlags & PFD_NEED_PALETTE, 0u);
    EXPECT_GE(g_state.pixelFormat.cDepthBits, 16);
    // Read back: the request's "no preference" fields now hold the format.
    EXPECT_GT(g_state.pixelFormat.cRedBits, 0);
}

TEST_F(GlSurfaceTest, CreationPutsTheCursorAtTheInitialClientMiddle)
{
    EXPECT_EQ(g_state.mouseX, 320);
    EXPECT_EQ(g_state.mouseY, 240);
    EXPECT_EQ(g_state.anchorSet, 0);
    int x = 0;
    int y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    EXPECT_EQ(x, 320);
    EXPECT_EQ(y, 240);
}

TEST_F(GlSurfaceTest, FirstSizeSetsViewportAndProjection)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 480);
    EXPECT_FLOAT_EQ(g_state.aspect, 640.0f / 480.0f);
    ExpectPerspective(640.0f / 480.0f);
}

TEST_F(GlSurfaceTest, ResizeSetsViewportAndProjectionAndLeavesProjectionMode)
{
    EXPECT_EQ(SendMessageA(g_state.hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 400)), 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 400);
    EXPECT_EQ(g_state.clientWidth, 800);
    EXPECT_EQ(g_state.clientHeight, 400);
    EXPECT_FLOAT_EQ(g_state.aspect, 2.0f);
    ExpectPerspective(2.0f);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION);
}

TEST_F(GlSurfaceTest, MinimisedSizeKeepsTheLastGoodProjection)
{
    SendMessageA(g_state.hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 400));
    SendMessageA(g_state.hWnd, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 400);
    EXPECT_FLOAT_EQ(g_state.aspect, 2.0f);
    EXPECT_EQ(g_state.clientHeight, 400);
    ExpectPerspective(2.0f);
}

TEST_F(GlSurfaceTest, PaintDrawsAFrameAndSwapsItToTheFront)
{
    ShowWindow(g_state.hWnd, SW_SHOWNORMAL);
    // Something else on screen first, so that only the swap can show the frame.
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapWindow(SdlWindowOf(g_state.hWnd));
    int before[3];
    ASSERT_TRUE(ReadWindowPixel(g_state.hWnd, 20, 240, before));
    ASSERT_EQ(before[0], 255);

    InvalidateRect(g_state.hWnd, NULL, FALSE);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    while (msg.message != WM_PAINT && PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
    }
    ASSERT_EQ(msg.message, (UINT)WM_PAINT);
    EXPECT_EQ(DispatchMessageA(&msg), 0);

    // Left of the map square only the background colour shows.
    int rgb[3];
    ASSERT_TRUE(ReadWindowPixel(g_state.hWnd, 20, 240, rgb));
    EXPECT_NEAR(rgb[0], 13, 1);
    EXPECT_NEAR(rgb[1], 13, 1);
    EXPECT_NEAR(rgb[2], 26, 1);
    // Painted: no further WM_PAINT is due.
    EXPECT_FALSE(PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE) && msg.message == WM_PAINT);
}

TEST_F(GlSurfaceTest, PaletteMessagesWithoutPaletteGoToTheDefaultHandling)
{
    EXPECT_EQ(SendMessageA(g_state.hWnd, WM_QUERYNEWPALETTE, 0, 0), 0);
    EXPECT_EQ(SendMessageA(g_state.hWnd, WM_PALETTECHANGED, 0, 0), 0);
    EXPECT_TRUE(IsWindow(g_state.hWnd));
}

TEST_F(GlSurfaceTest, DestroyPostsTheQuitMessage)
{
    HWND hWnd = g_state.hWnd;
    wglMakeCurrent(NULL, NULL);
    DestroyWindow(hWnd);
    MSG msg;
    bool quit = false;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        quit = quit || msg.message == WM_QUIT;
    }
    EXPECT_TRUE(quit);
    ReleaseDC(hWnd, g_state.hDC);
    wglDeleteContext(g_state.hGLRC);
    g_state.hWnd = NULL;
    ResetViewerState();
}

}  // namespace
