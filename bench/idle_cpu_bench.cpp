// Processor time an idle viewer costs: a loop that only clears and swaps,
// as the viewer's main loop does with nothing to do, once with the layer's
// paced SwapBuffers and once swapping without any pacing. Reports the
// process's processor seconds per wall-clock second (all threads, the
// software rasteriser's included) and the frames per second.
//
//   DISPLAY=:0 build/bench/bench_idle_cpu
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include "shell/platform/sdl/window_internal.h"
#include "shell/platform/win32.h"

namespace {

HWND g_window;
HDC g_dc;
HGLRC g_context;

LRESULT CALLBACK PlainProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

double Seconds(clockid_t clock)
{
    struct timespec t;
    clock_gettime(clock, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

bool OpenWindow(void)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = "idle bench";
    RegisterClassA(&wc);
    RECT outer = {0, 0, 640, 480};
    AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0);
    g_window = CreateWindowExA(0, "idle bench", "idle bench", WS_OVERLAPPEDWINDOW, 0, 0,
                               outer.right - outer.left, outer.bottom - outer.top, NULL, NULL,
                               NULL, NULL);
    if (g_window == NULL) return false;
    g_dc = GetDC(g_window);
    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof(request);
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    SetPixelFormat(g_dc, ChoosePixelFormat(g_dc, &request), &request);
    g_context = wglCreateContext(g_dc);
    if (g_context == NULL || !wglMakeCurrent(g_dc, g_context)) return false;
    ShowWindow(g_window, SW_SHOWNORMAL);
    return true;
}

// One iteration is one second of idle passes: drain the queue, clear, swap.
void RunIdleLoop(benchmark::State& state, bool paced)
{
    SDL_GL_SetSwapInterval(paced ? 1 : 0);
    double cpu = 0.0;
    double wall = 0.0;
    long frames = 0;
    for (auto _ : state) {
        double wallStart = Seconds(CLOCK_MONOTONIC);
        double cpuStart = Seconds(CLOCK_PROCESS_CPUTIME_ID);
        while (Seconds(CLOCK_MONOTONIC) - wallStart < 1.0) {
            MSG msg;
            while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
                DispatchMessageA(&msg);
            }
            glClearColor(0.05f, 0.05f, 0.1f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            if (paced) {
                SwapBuffers(g_dc);
            } else {
                SDL_GL_SwapWindow(SdlWindowOf(g_window));
            }
            frames++;
        }
        cpu += Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart;
        wall += Seconds(CLOCK_MONOTONIC) - wallStart;
    }
    state.counters["cpu_per_second"] = cpu / wall;
    state.counters["frames_per_second"] = (double)frames / wall;
}

void BM_IdlePacedSwap(benchmark::State& state)
{
    RunIdleLoop(state, true);
}

void BM_IdleUnpacedSwap(benchmark::State& state)
{
    RunIdleLoop(state, false);
}

BENCHMARK(BM_IdlePacedSwap)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_IdleUnpacedSwap)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    if (getenv("DISPLAY") == NULL || !OpenWindow()) {
        fprintf(stderr, "bench_idle_cpu: needs a display with OpenGL\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    wglMakeCurrent(NULL, NULL);
    wglDeleteContext(g_context);
    ReleaseDC(g_window, g_dc);
    DestroyWindow(g_window);
    return 0;
}
