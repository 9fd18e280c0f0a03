// The main loop of WinMain on a real window, with the pass functions
// replaced by counting ones: how the loop ends and when passes run.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <functional>

#include "core/input_step.h"
#include "core/viewer_state.h"
#include "core/win_main.h"
#include "render/render.h"
#include "shell/platform/sdl/window_internal.h"

namespace {

int g_inputSteps;
int g_frames;  // passes' frames and paints alike
int g_framesAtLastStep;
std::function<void(int)> g_onInputStep;  // called with the pass number

void PushWindowEvent(Uint8 kind)
{
    SDL_Event e = {};
    e.type = SDL_WINDOWEVENT;
    e.window.event = kind;
    e.window.windowID = SDL_GetWindowID(SdlWindowOf(g_state.hWnd));
    SDL_PushEvent(&e);
}

class MainLoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (getenv("DISPLAY") == NULL) {
            GTEST_SKIP() << "needs a display";
        }
        g_inputSteps = 0;
        g_frames = 0;
        g_onInputStep = nullptr;
    }
};

TEST_F(MainLoopTest, ClosingTheWindowEndsTheLoopWithoutAFurtherPass)
{
    g_onInputStep = [](int pass) {
        if (pass == 3) PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    };
    EXPECT_EQ(WinMain(NULL, NULL, NULL, SW_SHOWNORMAL), 1);
    EXPECT_EQ(g_inputSteps, 3);
    EXPECT_FALSE(IsWindow(g_state.hWnd));
    // The teardown ran although the window was already gone.
    EXPECT_EQ(g_state.hGLRC, nullptr);
    EXPECT_EQ(g_state.hDC, nullptr);
    EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
}

TEST_F(MainLoopTest, StoppingInAPassStillDrawsThatPassesFrame)
{
    g_onInputStep = [](int pass) {
        if (pass == 2) g_state.running = 0;
    };
    EXPECT_EQ(WinMain(NULL, NULL, NULL, SW_SHOWNORMAL), 1);
    EXPECT_EQ(g_inputSteps, 2);
    EXPECT_EQ(g_frames, g_framesAtLastStep + 1);
    // ESC leaves the window to the process; the test closes it.
    EXPECT_TRUE(IsWindow(g_state.hWnd));
    DestroyWindow(g_state.hWnd);
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
    }
}

TEST_F(MainLoopTest, ABurstOfMessagesIsDrainedBeforeTheNextPass)
{
    static bool queueEmptyAtPass2;
    queueEmptyAtPass2 = false;
    g_onInputStep = [](int pass) {
        if (pass == 1) {
            for (int i = 0; i < 20; i++) {
                SDL_Event e = {};
                e.type = SDL_MOUSEMOTION;
                e.motion.windowID = SDL_GetWindowID(SdlWindowOf(g_state.hWnd));
                e.motion.x = i;
                e.motion.y = i;
                SDL_PushEvent(&e);
            }
        } else if (pass == 2) {
            MSG msg;
            queueEmptyAtPass2 = !PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE) &&
                                SDL_PeepEvents(NULL, 0, SDL_PEEKEVENT, SDL_MOUSEMOTION,
                                               SDL_MOUSEMOTION) == 0;
            PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
        }
    };
    EXPECT_EQ(WinMain(NULL, NULL, NULL, SW_SHOWNORMAL), 1);
    EXPECT_EQ(g_inputSteps, 2);
    EXPECT_TRUE(queueEmptyAtPass2);
}

}  // namespace

// The pass functions the loop calls, counting.
void InputStep(void)
{
    g_inputSteps++;
    g_framesAtLastStep = g_frames;
    if (g_onInputStep) {
        g_onInputStep(g_inputSteps);
    }
}

void RenderFrame(void)
{
    g_frames++;
    glClear(GL_COLOR_BUFFER_BIT);
    SwapBuffers(g_state.hDC);
}
