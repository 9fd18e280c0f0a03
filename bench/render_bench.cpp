// The cost of a frame under Mesa's software renderer: RenderFrame with 100
// markers and the side panel, against a frame that only clears and swaps,
// at 640 x 480 and 1920 x 1080; and start-up to the first frame (window and
// GL surface, both pictures loaded and uploaded, one frame shown).
//
// The layer's SwapBuffers sleeps out the display's refresh period, which
// would hide the drawing behind the pacing. Here RenderFrame runs with the
// device context held back, so its own swap does nothing, and the benchmark
// swaps right after it without pacing (and with swap interval 0), as the
// clear-and-swap frame does: both measure the same presentation.
//
// Run from the build directory, where the pictures are:
//   cd build && DISPLAY=:0 LIBGL_ALWAYS_SOFTWARE=1 ./bench/bench_render
//       --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include "core/viewer_state.h"
#include "render/render.h"
#include "shell/platform/sdl/window_internal.h"
#include "tools/viewer_window/viewer_window.h"

namespace {

// The viewer's window at w x h, drawing unpaced (the benchmark swaps
// itself). Creating it builds the surface and runs InitGlState.
bool OpenBenchWindow(int w, int h)
{
    if (OpenViewerWindow(0, 0, w, h) == NULL) {
        return false;
    }
    ShowWindow(g_state.hWnd, SW_SHOWNORMAL);
    SDL_GL_SetSwapInterval(0);
    // A window larger than the screen must still draw at its full size.
    int drawableW = 0;
    int drawableH = 0;
    SDL_GL_GetDrawableSize(SdlWindowOf(g_state.hWnd), &drawableW, &drawableH);
    return g_state.clientWidth == w && g_state.clientHeight == h && drawableW == w &&
           drawableH == h;
}

void DrainMessages(void)
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
}

// A full list: 100 packages spread over the map at all three heights.
void SetHundredPackages(void)
{
    free(g_state.packages.entries);
    g_state.packages.entries = (PackageEntry*)malloc(100 * sizeof(PackageEntry));
    for (int i = 0; i < 100; i++) {
        PackageEntry* p = &g_state.packages.entries[i];
        p->x = (float)((i * 613) % 4000 - 2000);
        p->y = (float)((i * 389) % 4000 - 2000);
        p->z = (float)(i % 3) * 7.0f + 5.0f;
    }
    g_state.packages.packageCount = 100;
    g_state.packages.capacity = 100;
}

// RenderFrame's drawing, then the swap it would do, unpaced.
void DrawViewerFrame(void)
{
    DrawFrameWithoutSwap();
    SDL_GL_SwapWindow(SdlWindowOf(g_state.hWnd));
}

void DrawClearFrame(void)
{
    glClearColor(0.05f, 0.05f, 0.1f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapWindow(SdlWindowOf(g_state.hWnd));
}

void RunFrames(benchmark::State& state, void (*draw)(void))
{
    int w = (int)state.range(0);
    int h = (int)state.range(1);
    if (!OpenBenchWindow(w, h)) {
        state.SkipWithError("no window of that client size");
        return;
    }
    SetHundredPackages();
    // The first frame draws the panel opaque; the steady state is what counts.
    draw();
    draw();
    for (auto _ : state) {
        DrainMessages();
        draw();
    }
    CloseViewerWindow();
}

void BM_RenderFrame(benchmark::State& state)
{
    RunFrames(state, DrawViewerFrame);
}

void BM_ClearAndSwap(benchmark::State& state)
{
    RunFrames(state, DrawClearFrame);
}

// Window, surface, pictures loaded and uploaded, font lists, first frame
// shown and finished.
void BM_StartupToFirstFrame(benchmark::State& state)
{
    for (auto _ : state) {
        if (!OpenBenchWindow(640, 480)) {
            state.SkipWithError("no window");
            return;
        }
        DrawViewerFrame();
        glFinish();
        state.PauseTiming();
        CloseViewerWindow();
        state.ResumeTiming();
    }
}

// Wall-clock time: the software renderer draws on threads of its own.
BENCHMARK(BM_RenderFrame)
    ->Args({640, 480})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ClearAndSwap)
    ->Args({640, 480})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    if (getenv("DISPLAY") == NULL) {
        fprintf(stderr, "bench_render: needs a display with OpenGL\n");
        return 1;
    }
    if (access("font.bmp", R_OK) != 0 || access("HMmap.bmp", R_OK) != 0) {
        fprintf(stderr, "bench_render: run it from the build directory, beside the pictures\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
