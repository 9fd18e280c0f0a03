// Presenting frames in the SDL2 layer.
//
// Implements: SwapBuffers, shown at most once per display refresh.
// Does not implement: swapping layers or bitmaps.
//
// The viewer draws whenever its queue is empty, so the swap is its only
// brake. Where the driver waits for vertical blank the swap itself blocks
// and nothing more is done; where it does not (no vsync, a virtual display)
// SwapBuffers sleeps out the rest of the refresh period, so an idle viewer
// does not burn a processor core.
#include <time.h>

#include "shell/platform/sdl/gdi_object.h"
#include "shell/platform/sdl/window_internal.h"

namespace {

const int kFallbackRefreshRate = 60;

// When the next frame may be shown: one refresh period after the previous
// one was due, so that sleeping a little long does not lower the rate.
Uint64 g_nextPresent;
int g_driverPaces;  // the last swap blocked long enough to be vsync

Uint64 RefreshPeriod(SDL_Window* window)
{
    SDL_DisplayMode mode = {};
    int rate = 0;
    if (SDL_GetWindowDisplayMode(window, &mode) == 0) {
        rate = mode.refresh_rate;
    }
    if (rate <= 0 || rate > 1000) {
        rate = kFallbackRefreshRate;
    }
    return SDL_GetPerformanceFrequency() / (Uint64)rate;
}

void SleepCounts(Uint64 counts)
{
    Uint64 frequency = SDL_GetPerformanceFrequency();
    struct timespec wait;
    wait.tv_sec = (time_t)(counts / frequency);
    wait.tv_nsec = (long)((counts % frequency) * 1000000000ull / frequency);
    nanosleep(&wait, NULL);
}

}  // namespace

// Sleeps until the next frame is due, unless the driver waits itself.
static void PaceSwap(void)
{
    Uint64 now = SDL_GetPerformanceCounter();
    if (!g_driverPaces && g_nextPresent != 0 && now < g_nextPresent) {
        SleepCounts(g_nextPresent - now);
    }
}

BOOL SwapBuffers(HDC hdc)
{
    SDL_Window* window = hdc != NULL ? SdlWindowOf(hdc->window) : NULL;
    if (window == NULL) {
        return FALSE;
    }
    Uint64 period = RefreshPeriod(window);
    PaceSwap();
    Uint64 before = SDL_GetPerformanceCounter();
    SDL_GL_SwapWindow(window);
    Uint64 after = SDL_GetPerformanceCounter();
    // Copying a large frame to a virtual display takes time too; only a
    // wait of half a period or more is taken for the driver's own vsync.
    g_driverPaces = after - before > period / 2;
    // A frame that came later than a whole period starts the cadence anew.
    if (g_nextPresent != 0 && after < g_nextPresent + period) {
        g_nextPresent += period;
    } else {
        g_nextPresent = after + period;
    }
    return TRUE;
}
